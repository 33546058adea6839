#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

void MainForm::FillValueLists() {
    Controls& c = controls_;
    for (int n = 1; n <= 16; ++n) {
        c.ComboCOM->addItem(portName(n));
    }
    refillModelLists(false);
    for (ComboList* list : {c.ComboPerCellNi, c.ComboPerCellLi, c.ComboNoOfCell, c.ComboPowerLimitF,
                            c.ComboPowerLimitR, c.ComboIniPoint, c.ComboEndPoint, c.ComboForPoint,
                            c.ComboRevPoint, c.ComboDelay, c.ComboCurentLimit}) {
        list->addItems(list == c.ComboNoOfCell ? initialCellEntries()
                                               : valueListEntries(list->name()));
    }
}

}  // namespace rotaline
