#include "window/MainForm.h"

namespace rotaline {

void MainForm::Form_Load() {
    flags_.suppress = true;
    FillValueLists();
    GetRecentFiles();
    block_ = ParameterBlock::atStartUp();
    ApplyFactoryDefaults();
    get<TabStrip>("SSTab1").select(0);
    SSTab1_Click(1);
    flags_.suppress = false;
    get<ComboList>("ComboCOM").setText(QStringLiteral("COM1"));
}

}  // namespace rotaline
