#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "window/LanguageTables.h"
#include "window/MainForm.h"

namespace rotaline {

namespace {

void setWords(Control& control, const Words& words, bool chinese) {
    if (!words.empty()) {
        control.setCaption(fromView(words.in(chinese)));
    }
}

}  // namespace

void MainForm::setCaptions(bool chinese) {
    for (const CaptionRow& row : LeadingCaptions) {
        find(QString::fromUtf8(row.control))->setCaption(row.text.in(chinese), row.accessKeys);
    }
}

void MainForm::setParameterCaptions(bool chinese) {
    for (int type = 0; type < EscTypeCount; ++type) {
        find(QStringLiteral("FrameEscType(%1)").arg(type))
            ->setCaption(PageGroupCaption.in(chinese));
    }
    for (const Caption& frame : GroupFrames) {
        setWords(*find(fromView(frame.name)), frame.words, chinese);
    }
    for (const Parameter& parameter : Parameters) {
        setWords(*find(fromView(parameter.caption.name)), parameter.caption.words, chinese);
        const std::string_view items = parameter.switchedItems.in(chinese);
        if (!items.empty() && parameter.kind == ValueKind::OptionIndex) {
            ownerOf(parameter.slot).setChoiceTexts(fromView(items).split('|'));
        }
    }
}

void MainForm::switchLanguage(bool chinese) {
    const QString question =
        texts::SwitchQuestion.in(chinese) + texts::CrLf + texts::SwitchQuestionEnd.in(chinese);
    host_->useLanguage(chinese);  // the question's buttons speak its language
    if (dialogs_.message(question, Dialogs::Icon::None, Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::No) {
        host_->useLanguage(flags_.chinese);
        return;
    }
    flags_.chinese = chinese;
    setCaptions(chinese);
    Controls& c = controls_;
    for (const EscType& type : EscTypes) {
        c.SSTab1->select(type.tab);
        c.SSTab1->setSelectedCaption(fromView(chinese ? type.chinese : type.english));
    }
    setParameterCaptions(chinese);
    refillPointList(*c.ComboIniPoint);
    refillModelLists(chinese);
    refillPointList(*c.ComboEndPoint);
    refillPointList(*c.ComboForPoint);
    refillPointList(*c.ComboRevPoint);
    showParameterHints();
    nameControls();
    showLampHelp();
    showUnsentMarks();
    allowSendAll(c.mnuSendAll->isEnabled());
    CommandSetFactory_Click();
    c.Text1->setText(texts::SwitchNote.in(chinese) + texts::CrLf);
}

void MainForm::mnuChinese_Click() {
    switchLanguage(true);
}

void MainForm::mnuEnglish_Click() {
    switchLanguage(false);
}

}  // namespace rotaline
