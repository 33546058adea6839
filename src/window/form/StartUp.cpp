#include "window/controls/ControlNames.h"
#include "window/controls/ParameterHints.h"
#include "window/form/MainForm.h"

namespace rotaline {

void MainForm::Form_Load() {
    flags_.suppress = true;
    FillValueLists();
    showParameterHints(set_, *flags_.language);
    nameControls(set_, constControls_, *flags_.language);
    GetRecentFiles();
    files_.sweepStaleCopies();
    block_ = ParameterBlock::atStartUp();
    ApplyFactoryDefaults();
    controls_.SSTab1->select(0);
    SSTab1_Click(1);
    flags_.suppress = false;
    allowSendAll(false);
    controls_.ComboCOM->setText(portName(1));
}

}  // namespace rotaline
