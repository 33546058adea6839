#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "window/LanguageTables.h"
#include "window/MainForm.h"

namespace rotaline {

namespace {

void setWords(Control& control, Words words, const Language& language) {
    if (!words.empty()) {
        control.setCaption(parameterText(language, words));
    }
}

}  // namespace

void MainForm::setCaptions(const Language& language) {
    for (const CaptionRow& row : LeadingCaptions) {
        find(QString::fromUtf8(row.control))
            ->setCaption(SwitchTexts(language, row.text), row.accessKeys);
        if (std::string_view(row.control) == "mnuLanguage") {
            for (const Language& item : Languages) {
                find(fromView(item.menuItem))->setCaption(fromView(item.caption));
            }
        }
    }
}

void MainForm::setParameterCaptions(const Language& language) {
    for (int type = 0; type < EscTypeCount; ++type) {
        find(QStringLiteral("FrameEscType(%1)").arg(type))
            ->setCaption(SwitchTexts(language, PageGroupCaption));
    }
    for (const Caption& frame : GroupFrames) {
        setWords(*find(fromView(frame.name)), frame.words, language);
    }
    for (const Parameter& parameter : Parameters) {
        setWords(*find(fromView(parameter.caption.name)), parameter.caption.words, language);
        if (!parameter.switchedItems.empty() && parameter.kind == ValueKind::OptionIndex) {
            ownerOf(parameter.slot)
                .setChoiceTexts(parameterText(language, parameter.switchedItems).split('|'));
        }
    }
}

void MainForm::switchLanguage(const Language& language) {
    const QString question = SwitchTexts(language, texts::SwitchQuestion) + texts::CrLf +
                             SwitchTexts(language, texts::SwitchQuestionEnd);
    host_->useLanguage(language);  // the question's buttons speak its language
    if (dialogs_.message(question, Dialogs::Icon::None, Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::No) {
        host_->useLanguage(*flags_.language);
        return;
    }
    flags_.language = &language;
    setCaptions(language);
    Controls& c = controls_;
    for (const EscType& type : EscTypes) {
        c.SSTab1->select(type.tab);
        c.SSTab1->setSelectedCaption(translated(language, "Catalogue", type.name.data()));
    }
    setParameterCaptions(language);
    refillPointList(*c.ComboIniPoint);
    refillModelLists(language);
    refillPointList(*c.ComboEndPoint);
    refillPointList(*c.ComboForPoint);
    refillPointList(*c.ComboRevPoint);
    showParameterHints();
    nameControls();
    showLampHelp();
    showUnsentMarks();
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
