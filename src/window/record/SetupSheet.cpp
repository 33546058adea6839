#include "window/record/SetupSheet.h"

#include "platform/Printable.h"
#include "window/texts/SystemReasons.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"SetupSheet"};

QString shown(const SlotDescription& parameter) {
    return parameter.choice.isEmpty() ? QString::number(parameter.value)
                                      : parameter.choice.trimmed();
}

constexpr const char* Title = QT_TRANSLATE_NOOP("SetupSheet", "Rotaline setup sheet");
constexpr const char* FileFact = QT_TRANSLATE_NOOP("SetupSheet", "Settings file: %1");
constexpr const char* NotSaved = QT_TRANSLATE_NOOP("SetupSheet", "not saved");
constexpr const char* ChangedFile = QT_TRANSLATE_NOOP("SetupSheet", "%1, changed since saved");
constexpr const char* DateFact = QT_TRANSLATE_NOOP("SetupSheet", "Date: %1");
constexpr const char* TypeFact = QT_TRANSLATE_NOOP("SetupSheet", "ESC type: %1");
constexpr const char* ModelFact = QT_TRANSLATE_NOOP("SetupSheet", "Model: %1");
constexpr const char* NoModel = QT_TRANSLATE_NOOP("SetupSheet", "none chosen");
constexpr const char* SettingColumn = QT_TRANSLATE_NOOP("SetupSheet", "Setting");
constexpr const char* ValueColumn = QT_TRANSLATE_NOOP("SetupSheet", "Value");
constexpr const char* FactoryColumn = QT_TRANSLATE_NOOP("SetupSheet", "Factory value");
constexpr const char* UnsentMark = QT_TRANSLATE_NOOP("SetupSheet", "not sent to the controller");
constexpr const char* Notes = QT_TRANSLATE_NOOP("SetupSheet", "Notes");

// What the journal says, in the words of History.
const char* journalFact(Delivery delivery) {
    switch (delivery) {
        case Delivery::InFull:
            return QT_TRANSLATE_NOOP("SetupSheet", "Journal: sent in full");
        case Delivery::NotInFull:
            return QT_TRANSLATE_NOOP("SetupSheet", "Journal: NOT sent in full");
        default:
            return QT_TRANSLATE_NOOP("SetupSheet", "Journal: not confirmed");
    }
}

}  // namespace

SetupSheet setupSheet(const DescribedBlock& described, const QString& file, bool changed,
                      const QString& date, const std::function<bool(int slot)>& unsent,
                      std::optional<Delivery> journalled, const Language& language) {
    const SettingsDescription& settings = described.settings;
    const QString shownFile = file.isEmpty() ? catalogue(language, NotSaved)
                              : changed
                                  ? filled(catalogue(language, ChangedFile), {shownPath(file)})
                                  : printable(shownPath(file));
    SetupSheet sheet{
        catalogue(language, Title),
        {filled(catalogue(language, FileFact), {shownFile}),
         filled(catalogue(language, DateFact), {date}),
         filled(catalogue(language, TypeFact), {settings.type}),
         filled(catalogue(language, ModelFact),
                {settings.model.isEmpty() ? catalogue(language, NoModel) : settings.model})},
        {catalogue(language, SettingColumn), catalogue(language, ValueColumn),
         catalogue(language, FactoryColumn)},
        {},
        catalogue(language, UnsentMark),
        catalogue(language, Notes)};
    if (journalled) {
        sheet.facts << catalogue(language, journalFact(*journalled));
    }
    for (std::size_t i = 0; i < settings.parameters.size(); ++i) {
        const SlotDescription& parameter = settings.parameters[i];
        if (parameter.inUse) {
            sheet.rows.push_back({parameter.name.trimmed(), shown(parameter),
                                  differsFromFactory(described, i)
                                      ? shown(described.factory.parameters[i])
                                      : QString(),
                                  unsent(parameter.slot)});
        }
    }
    return sheet;
}

std::optional<Delivery> journalledDelivery(const std::vector<JournalRecord>& records,
                                           const DescribedBlock& described,
                                           const Language& language) {
    for (const JournalRecord& record : records) {
        const std::optional<DescribedBlock> sent = describeBlock(record.block, language);
        if (sent && differences(sent->settings, described.settings, language).isEmpty()) {
            return record.delivery;
        }
    }
    return std::nullopt;
}

}  // namespace rotaline
