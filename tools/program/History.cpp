#include "program/History.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>

#include "files/SendJournal.h"
#include "files/SettingsFile.h"
#include "platform/Printable.h"
#include "program/Output.h"
#include "sheet/SheetPrinting.h"
#include "window/form/MainForm.h"
#include "window/record/BlockDescription.h"
#include "window/record/SetupSheet.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"History"};

constexpr const char* NoAdapter = QT_TRANSLATE_NOOP("History", "no adapter");
constexpr const char* Changed = QT_TRANSLATE_N_NOOP("History", "%n changed from factory");
constexpr const char* Skipped =
    QT_TRANSLATE_NOOP("History", "%1: a record the window cannot load, skipped");

const char* deliveryText(Delivery delivery) {
    switch (delivery) {
        case Delivery::InFull:
            return QT_TRANSLATE_NOOP("History", "sent in full");
        case Delivery::NotInFull:
            return QT_TRANSLATE_NOOP("History", "NOT sent in full");
        default:
            return QT_TRANSLATE_NOOP("History", "not confirmed");
    }
}

// "2026-12-08T10:02:11+01:00  COM1  /dev/serial/by-id/…  sent in full  2 changed from factory"
QString headline(const JournalRecord& record, const DescribedBlock& described,
                 const Language& language) {
    return QStringList{
        printable(record.time), printable(record.port),
        record.adapter.isEmpty() ? catalogue(language, NoAdapter) : printable(record.adapter),
        catalogue(language, deliveryText(record.delivery)),
        catalogue(language, Changed, changedFromFactory(described))}
        .join(QStringLiteral("  "));
}

QJsonObject jsonOf(const JournalRecord& record, const DescribedBlock& described) {
    QJsonObject object = describedObject(described.settings);
    object.insert("time", record.time);
    object.insert("session", record.session);
    object.insert("port", record.port);
    object.insert("adapter", record.adapter);
    object.insert("sentInFull", record.delivery == Delivery::InFull);
    object.insert("confirmed", record.delivery != Delivery::Sending);
    object.insert("changedFromFactory", changedFromFactory(described));
    return object;
}

// What kept the journal from being read whole; true when a file of it could not be read.
bool reportTrouble(const LogTrouble& trouble) {
    if (!trouble.cutFile.isEmpty()) {
        printError(filled(QStringLiteral("rotaline-program: %1 is larger than the journal grows; "
                                         "only its last %2 KiB were read"),
                          {trouble.cutFile, QString::number(trouble.readBytes / 1024)}));
    }
    if (!trouble.unreadFile.isEmpty()) {
        printError(filled(QStringLiteral("rotaline-program: the journal cannot be read: %1: %2"),
                          {trouble.unreadFile, trouble.reason}));
    }
    return !trouble.unreadFile.isEmpty();
}

}  // namespace

int runHistoryCommand(const Request& request) {
    LogTrouble trouble;
    std::vector<JournalRecord> records = readJournal(defaultJournalPath(), &trouble);
    const bool unread = reportTrouble(trouble);
    if (request.last >= 0 && records.size() > static_cast<std::size_t>(request.last)) {
        records.resize(static_cast<std::size_t>(request.last));
    }
    QJsonArray json;
    for (const JournalRecord& record : records) {
        const std::optional<DescribedBlock> described =
            describeBlock(record.block, *request.language);
        if (!described) {
            printError(filled(catalogue(*request.language, Skipped), {record.time}));
        } else if (request.json) {
            json.append(jsonOf(record, *described));
        } else {
            printLines(QStringList{headline(record, *described, *request.language)} +
                       describedLines(described->settings) + QStringList{""});
        }
    }
    if (request.json) {
        printOut(printableJson(QJsonDocument(json)));
    }
    return unread ? 2 : 0;
}

int runSheetCommand(const Request& request) {
    const QString& path = request.files[0];
    const std::optional<QList<QByteArray>> lines = readSettingsLines(path);
    ParameterBlock block;
    SettingsFault fault =
        lines ? decodeSettingsLines(*lines, 0, SlotCount, block) : SettingsFault::Damaged;
    const std::optional<DescribedBlock> described =
        fault == SettingsFault::None ? describeBlock(block, *request.language) : std::nullopt;
    if (!described) {
        fault = fault == SettingsFault::None ? SettingsFault::Damaged : fault;
        printError(printable(path) + QStringLiteral(": ") +
                   settingsFaultMessage(fault, *request.language));
        return 2;
    }
    const SetupSheet sheet = setupSheet(
        *described, path, false, QDate::currentDate().toString(Qt::ISODate),
        [](int) { return false; },
        journalledDelivery(readJournal(defaultJournalPath()), *described, *request.language),
        *request.language);
    const QString out = sheetPdfPath(request.sheet);
    if (QString error; !writeSheetPdf(sheet, out, &error)) {
        printError(filled(QStringLiteral("%1: %2"), {out, error}));
        return 1;
    }
    return 0;
}

}  // namespace rotaline
