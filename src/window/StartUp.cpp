#include "files/RegularFiles.h"
#include "window/MainForm.h"

namespace rotaline {

void MainForm::Form_Load() {
    flags_.suppress = true;
    FillValueLists();
    showParameterHints();
    nameControls();
    GetRecentFiles();
    for (const QString& file : recentFiles_.files()) {
        sweepStaleCopies(file);
    }
    block_ = ParameterBlock::atStartUp();
    ApplyFactoryDefaults();
    controls_.SSTab1->select(0);
    SSTab1_Click(1);
    flags_.suppress = false;
    allowSendAll(false);
    controls_.ComboCOM->setText(portName(1));
}

}  // namespace rotaline
