#include "model/EscCatalogue.h"
#include "window/LanguageTables.h"
#include "window/MainForm.h"

namespace rotaline {

template <std::size_t N>
void MainForm::setCaptions(const std::array<CaptionRow, N>& rows, bool chinese) {
    for (const CaptionRow& row : rows) {
        find(QString::fromUtf8(row.control))->setCaption(row.text.in(chinese), row.accessKeys);
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
    setCaptions(LeadingCaptions, chinese);
    Controls& c = controls_;
    for (const EscType& type : EscTypes) {
        c.SSTab1->select(type.tab);
        c.SSTab1->setSelectedCaption(fromView(chinese ? type.chinese : type.english));
    }
    setCaptions(GroupCaptions, chinese);
    refillPointList(*c.ComboIniPoint);
    refillModelLists(chinese);
    refillPointList(*c.ComboEndPoint);
    refillPointList(*c.ComboForPoint);
    refillPointList(*c.ComboRevPoint);
    showParameterHints();
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
