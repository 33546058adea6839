#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

void MainForm::FillValueLists() {
    auto& ports = get<ComboList>("ComboCOM");
    for (int n = 1; n <= 16; ++n) {
        ports.addItem(QStringLiteral("COM%1").arg(n));
    }
    refillModelLists(false);
    for (const char* list :
         {"ComboPerCellNi", "ComboPerCellLi", "ComboNoOfCell", "ComboPowerLimitF",
          "ComboPowerLimitR", "ComboIniPoint", "ComboEndPoint", "ComboForPoint", "ComboRevPoint",
          "ComboDelay", "ComboCurentLimit"}) {
        get<ComboList>(QLatin1String(list)).addItems(valueListEntries(QLatin1String(list)));
    }
}

}  // namespace rotaline
