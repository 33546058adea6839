#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "window/MainForm.h"
#include "window/PortHelp.h"
#include "window/Texts.h"

namespace rotaline {

void MainForm::refillModelLists(const Language& language) {
    for (int type = 0; type < EscTypeCount; ++type) {
        ComboList& list = *controls_.ComboCTRmodel[type];
        list.clear();
        list.addItems(modelNames(type, language));
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
    const Language& language = *flags_.language;
    if (outcome.ok) {
        appendNote(c.FrameSelectCom->caption() + QStringLiteral(": ") + ports.text() + texts::CrLf);
    } else {
        appendNote(ports.text() + texts::Messages(language, texts::PortInvalidNote) + texts::CrLf);
    }
    if (outcome.ok) {
        host_->lineBusy();
    } else {
        reportPortProblem(outcome);
    }
    c.ImageOn->setVisible(outcome.ok);
    c.ImageOff->setVisible(!outcome.ok);
    lamp_ = {outcome, ports.listIndex() + 1};
    showLampHelp();
    handshakeOnly_ = outcome.ok;
    deviceLost_ = false;
    deviceBack_ = false;
    endHistory();
}

// The lamp says why the port selected last could not be used, in the current language.
void MainForm::showLampHelp() {
    controls_.ImageOff->setToolTip(portHelp(lamp_.outcome, lamp_.portNumber, *flags_.language));
}

}  // namespace rotaline
