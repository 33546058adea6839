#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"ModelSelection"};
constexpr const char* NoModel = QT_TRANSLATE_NOOP("ModelSelection", "No model chosen");

}  // namespace

// Each list shows, greyed, that no model is chosen until one is.
void MainForm::refillModelLists(const Language& language) {
    for (int type = 0; type < EscTypeCount; ++type) {
        ComboList& list = *controls_.ComboCTRmodel[type];
        list.clear();
        list.addItems(modelNames(type, language));
        list.setPlaceholder(catalogue(language, NoModel));
    }
}

void MainForm::refillPointList(ComboList& list) {
    list.setChoiceTexts(
        listEntries(*findParameter(slotOwnedBy(list.name().toStdString())), *flags_.language));
    list.setValue(0);
}

void MainForm::ComboCOM_Click() {
    if (flags_.language->refillsInitialPoint) {
        refillPointList(*controls_.ComboIniPoint);
    }
    refillModelLists(*flags_.language);

    Controls& c = controls_;
    const ComboList& ports = *c.ComboCOM;
    const LinkOutcome outcome = link_.selectPort(ports.listIndex());
    appendNote(outcome.ok
                   ? c.FrameSelectCom->caption() + QStringLiteral(": ") + ports.text() + texts::CrLf
                   : portFailureNote());
    port_.chosen(outcome);
    portTried_ = commands_ > 0;  // a load chose its file's port: it is not tried again
    journaling_.portChanged();
    edits_.end();
}

QString MainForm::portFailureNote() const {
    return constControls_.ComboCOM->text() +
           texts::Messages(*flags_.language, texts::PortInvalidNote) + texts::CrLf;
}

// The next send goes where the list says, never to the device the number had before.
void MainForm::adapterAssigned(int portNumber, int previousNumber) {
    ComboList& ports = *controls_.ComboCOM;
    const int selected = ports.listIndex() + 1;
    if (previousNumber == selected && portNumber > 0 && portNumber != selected) {
        ports.setListIndex(portNumber - 1);
    } else if (portNumber == selected || previousNumber == selected) {
        ComboCOM_Click();
    }
}

}  // namespace rotaline
