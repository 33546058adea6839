#include "program/History.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

#include "files/SendJournal.h"
#include "files/SettingsFile.h"
#include "sheet/SheetPrinting.h"
#include "window/BlockDescription.h"
#include "window/MainForm.h"
#include "window/SetupSheet.h"

namespace rotaline {

namespace {

QString sentText(bool complete) {
    return complete ? QStringLiteral("sent in full") : QStringLiteral("NOT sent in full");
}

// "2026-12-08T10:02:11+01:00  COM1  /dev/serial/by-id/…  sent in full  2 changed"
QString headline(const JournalRecord& record, const DescribedBlock& described) {
    return QStringList{record.time, record.port,
                       record.adapter.isEmpty() ? QStringLiteral("no adapter") : record.adapter,
                       sentText(record.complete),
                       QStringLiteral("%1 changed from factory").arg(changedFromFactory(described))}
        .join(QStringLiteral("  "));
}

QJsonObject jsonOf(const JournalRecord& record, const DescribedBlock& described) {
    QJsonObject object = describedObject(described.settings);
    object.insert("time", record.time);
    object.insert("session", record.session);
    object.insert("port", record.port);
    object.insert("adapter", record.adapter);
    object.insert("sentInFull", record.complete);
    object.insert("changedFromFactory", changedFromFactory(described));
    return object;
}

}  // namespace

int runHistoryCommand(const Request& request) {
    std::vector<JournalRecord> records = readJournal(defaultJournalPath());
    if (request.last >= 0 && records.size() > static_cast<std::size_t>(request.last)) {
        records.resize(static_cast<std::size_t>(request.last));
    }
    QJsonArray json;
    for (const JournalRecord& record : records) {
        const std::optional<DescribedBlock> described =
            describeBlock(record.block, request.chinese);
        if (!described) {
            std::fprintf(stderr, "%s: a record the window cannot load, skipped\n",
                         qPrintable(record.time));
        } else if (request.json) {
            json.append(jsonOf(record, *described));
        } else {
            const QStringList lines = QStringList{headline(record, *described)} +
                                      describedLines(described->settings) + QStringList{""};
            std::fputs(lines.join('\n').toUtf8().constData(), stdout);
            std::fputs("\n", stdout);
        }
    }
    if (request.json) {
        std::fputs(QJsonDocument(json).toJson().constData(), stdout);
    }
    return 0;
}

int runSheetCommand(const Request& request) {
    const QString& path = request.files[0];
    const std::optional<QList<QByteArray>> lines = readSettingsLines(path);
    ParameterBlock block;
    SettingsFault fault =
        lines ? decodeSettingsLines(*lines, 0, SlotCount, block) : SettingsFault::Damaged;
    const std::optional<DescribedBlock> described =
        fault == SettingsFault::None ? describeBlock(block, request.chinese) : std::nullopt;
    if (!described) {
        fault = fault == SettingsFault::None ? SettingsFault::Damaged : fault;
        std::fprintf(stderr, "%s: %s\n", qPrintable(path),
                     qPrintable(settingsFaultMessage(fault, request.chinese)));
        return 2;
    }
    const SetupSheet sheet = setupSheet(
        *described, path, QDate::currentDate().toString(Qt::ISODate), [](int) { return false; },
        request.chinese);
    if (QString error; !writeSheetPdf(sheet, request.sheet, &error)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(request.sheet), qPrintable(error));
        return 1;
    }
    return 0;
}

}  // namespace rotaline
