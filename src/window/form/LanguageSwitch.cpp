#include "window/form/LanguageSwitch.h"

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "window/texts/LanguageTables.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

void setWords(Control& control, Words words, const Language& language) {
    if (!words.empty()) {
        control.setCaption(parameterText(language, words));
    }
}

}  // namespace

LanguageSwitch::LanguageSwitch(const ControlSet& set, Controls& controls, SharedFlags& flags,
                               Dialogs& dialogs, FormHost* const& host)
    : set_(set), controls_(controls), flags_(flags), dialogs_(dialogs), host_(host) {}

bool LanguageSwitch::switchTo(const Language& language) {
    const QString question = SwitchTexts(language, texts::SwitchQuestion) + texts::CrLf +
                             SwitchTexts(language, texts::SwitchQuestionEnd);
    host_->useLanguage(language);  // the question's buttons speak its language
    if (dialogs_.message(question, Dialogs::Icon::None, Dialogs::Buttons::YesNo) ==
        Dialogs::Answer::No) {
        host_->useLanguage(*flags_.language);
        return false;
    }
    flags_.language = &language;
    setCaptions(language);
    setTabCaptions(language);
    setParameterCaptions(language);
    return true;
}

void LanguageSwitch::setCaptions(const Language& language) {
    for (const CaptionRow& row : LeadingCaptions) {
        const bool keys = row.accessKeys || language.menuAccessKeys;
        set_.find(QString::fromUtf8(row.control))
            ->setCaption(SwitchTexts(language, row.text), keys);
        if (std::string_view(row.control) == "mnuLanguage") {
            for (const Language& item : Languages) {
                set_.find(fromView(item.menuItem))
                    ->setCaption(fromView(keys ? item.designedCaption : item.caption), keys);
            }
        }
    }
}

// Each tab is chosen in turn to word it: the tab strip words only the tab it shows.
void LanguageSwitch::setTabCaptions(const Language& language) {
    for (const EscType& type : EscTypes) {
        controls_.SSTab1->select(type.tab);
        controls_.SSTab1->setSelectedCaption(translated(language, "Catalogue", type.name.data()));
    }
}

void LanguageSwitch::setParameterCaptions(const Language& language) {
    for (int type = 0; type < EscTypeCount; ++type) {
        set_.find(QStringLiteral("FrameEscType(%1)").arg(type))
            ->setCaption(SwitchTexts(language, PageGroupCaption));
    }
    for (const Caption& frame : GroupFrames) {
        setWords(*set_.find(fromView(frame.name)), frame.words, language);
    }
    for (const Parameter& parameter : Parameters) {
        setWords(*set_.find(fromView(parameter.caption.name)), parameter.caption.words, language);
        if (!parameter.switchedItems.empty() && parameter.kind == ValueKind::OptionIndex) {
            set_.owner(parameter.slot)
                .setChoiceTexts(parameterText(language, parameter.switchedItems).split('|'));
        }
    }
}

}  // namespace rotaline
