#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "platform/SerialPort.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

void MainForm::FillValueLists() {
    QStringList ports;
    for (int n = 1; n <= PortCount; ++n) {
        ports << portName(n);
    }
    controls_.ComboCOM->addItems(ports);  // the list's widget is filled once, not once an item
    refillModelLists(English);
    for (const Parameter& parameter : Parameters) {
        if (parameter.kind == ValueKind::ListPosition) {
            set_.owner(parameter.slot).setChoiceTexts(listEntries(parameter, English));
        }
    }
    controls_.ComboNoOfCell->setPlaceholder(
        fromView(InitialCells.front()));  // where a model has no "Auto"
}

}  // namespace rotaline
