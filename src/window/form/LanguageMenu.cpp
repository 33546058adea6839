#include "window/controls/ControlNames.h"
#include "window/controls/ParameterHints.h"
#include "window/form/MainForm.h"
#include "window/texts/LanguageTables.h"
#include "window/texts/Texts.h"

namespace rotaline {

// Once the switch words the captions, everything else that speaks is said again in the new
// language: the lists, hints, names, the lamp, the marks and the factory defaults' note. What
// it sends (the tabs' resets, the factory defaults) is one session, and one step.
void MainForm::switchLanguage(const Language& language) {
    const Journaling::Session session(journaling_);
    const Command command(*this);
    if (!language_.switchTo(language)) {
        return;
    }
    Controls& c = controls_;
    refillPointList(*c.ComboIniPoint);
    refillModelLists(language);
    refillPointList(*c.ComboEndPoint);
    refillPointList(*c.ComboForPoint);
    refillPointList(*c.ComboRevPoint);
    edits_.end();  // a list refilled is no change of the user's to take back
    showParameterHints(set_, language);
    nameControls(set_, constControls_, language);
    port_.showLampHelp();
    edits_.showUnsentMarks();
    allowSendAll(c.mnuSendAll->isEnabled());
    CommandSetFactory_Click();
    c.Text1->setText(SwitchTexts(language, texts::SwitchNote) + texts::CrLf);
}

void MainForm::mnuChinese_Click() {
    switchLanguage(Chinese);
}

void MainForm::mnuEnglish_Click() {
    switchLanguage(English);
}

}  // namespace rotaline
