#include "window/LanguageTables.h"
#include "window/MainForm.h"

namespace rotaline {

namespace {

template <std::size_t N>
void setCaptions(const MainForm& form, const std::array<CaptionRow, N>& rows, bool chinese) {
    for (const CaptionRow& row : rows) {
        form.get<Control>(QLatin1String(row.control)).setCaption(row.text.in(chinese));
    }
}

}  // namespace

void MainForm::switchLanguage(bool chinese) {
    const QString question =
        texts::SwitchQuestion.in(chinese) + texts::CrLf + texts::SwitchQuestionEnd.in(chinese);
    if (dialogs_.message(question, Dialogs::Icon::None, Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::No) {
        return;
    }
    flags_.chinese = chinese;
    setCaptions(*this, LeadingCaptions, chinese);
    auto& tabs = get<TabStrip>("SSTab1");
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.select(tab);
        tabs.setSelectedCaption(TabCaptions[tab].in(chinese));
    }
    setCaptions(*this, GroupCaptions, chinese);
    refillPointList(QStringLiteral("ComboIniPoint"));
    refillModelLists(chinese);
    refillPointList(QStringLiteral("ComboEndPoint"));
    refillPointList(QStringLiteral("ComboForPoint"));
    refillPointList(QStringLiteral("ComboRevPoint"));
    CommandSetFactory_Click();
    get<TextBox>("Text1").setText(texts::SwitchNote.in(chinese) + texts::CrLf);
}

void MainForm::mnuChinese_Click() {
    switchLanguage(true);
}

void MainForm::mnuEnglish_Click() {
    switchLanguage(false);
}

}  // namespace rotaline
