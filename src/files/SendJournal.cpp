#include "files/SendJournal.h"

#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <utility>

#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "platform/AppendLog.h"

namespace rotaline {

namespace {

constexpr const char* Tag = "rotaline-journal-1";
constexpr int FieldCount = 11;
constexpr int MaxTextField = 512;
// How a journal is named that has no folder, to say why nothing is kept.
QString shownPath(const QString& path) {
    return path.isEmpty() ? QStringLiteral("$XDG_STATE_HOME/Rotaline/journal") : path;
}

// Each delivery's word in the line.
constexpr std::array<std::pair<Delivery, const char*>, 3> Deliveries{
    {{Delivery::Sending, "sending"},
     {Delivery::InFull, "sent-in-full"},
     {Delivery::NotInFull, "not-sent-in-full"}}};

const char* wordOf(Delivery delivery) {
    return std::find_if(Deliveries.begin(), Deliveries.end(),
                        [delivery](const auto& d) { return d.first == delivery; })
        ->second;
}

std::optional<Delivery> deliveryOf(const QByteArray& word) {
    const auto found = std::find_if(Deliveries.begin(), Deliveries.end(),
                                    [&word](const auto& d) { return word == d.second; });
    return found == Deliveries.end() ? std::nullopt : std::optional(found->first);
}

// A tab or a line end in a name would split the line.
QByteArray field(const QString& text) {
    QString clean = text.left(MaxTextField);
    for (QChar& c : clean) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return clean.isEmpty() ? QByteArrayLiteral("-") : clean.toUtf8();
}

QString text(const QByteArray& field) {
    return field == "-" ? QString() : QString::fromUtf8(field);
}

// The type and model in words, for a reader of the file; the block is what counts.
QByteArray typeName(const ParameterBlock& block) {
    const int type = block.value[TypeSlot];
    return type < EscTypeCount ? QByteArray(EscTypes[type].name.data(),
                                            static_cast<qsizetype>(EscTypes[type].name.size()))
                               : QByteArrayLiteral("-");
}

QByteArray modelName(const ParameterBlock& block) {
    const int type = block.value[TypeSlot];
    const ControllerModel* model = type < EscTypeCount && block.inUse[modelSlotOf(type)]
                                       ? findModel(type, block.value[modelSlotOf(type)])
                                       : nullptr;
    return model != nullptr
               ? QByteArray(model->name.data(), static_cast<qsizetype>(model->name.size()))
               : QByteArrayLiteral("-");
}

QByteArray checksum(const QByteArray& body) {
    return QByteArray::number(qChecksum(body), 16).rightJustified(4, '0');
}

QByteArray flagsOf(const ParameterBlock& block) {
    QByteArray flags;
    for (const bool inUse : block.inUse) {
        flags += inUse ? '1' : '0';
    }
    return flags;
}

bool takeBlock(const QByteArray& hex, const QByteArray& flags, ParameterBlock& block) {
    const QByteArray values = QByteArray::fromHex(hex);
    if (values.size() != SlotCount || hex.size() != 2 * SlotCount || flags.size() != SlotCount ||
        !std::all_of(flags.begin(), flags.end(), [](char c) { return c == '0' || c == '1'; })) {
        return false;
    }
    for (int slot = 0; slot < SlotCount; ++slot) {
        block.value[slot] = static_cast<std::uint8_t>(values[slot]);
        block.inUse[slot] = flags[slot] == '1';
    }
    return true;
}

}  // namespace

QByteArray journalLine(const JournalRecord& record) {
    const ParameterBlock& block = record.block;
    const QByteArray body =
        QList<QByteArray>{
            Tag,
            field(record.time),
            field(record.session),
            field(record.port),
            field(record.adapter),
            typeName(block),
            modelName(block),
            QByteArray(reinterpret_cast<const char*>(block.value.data()), SlotCount).toHex(),
            flagsOf(block),
            wordOf(record.delivery)}
            .join('\t');
    return body + '\t' + checksum(body) + '\n';
}

std::optional<JournalRecord> parseJournalLine(const QByteArray& line) {
    const QList<QByteArray> fields = line.split('\t');
    const qsizetype bodyEnd = line.lastIndexOf('\t');
    if (fields.size() != FieldCount || fields[0] != Tag ||
        fields.last() != checksum(line.left(bodyEnd))) {
        return std::nullopt;
    }
    const std::optional<Delivery> delivery = deliveryOf(fields[9]);
    JournalRecord record{text(fields[1]),
                         text(fields[2]),
                         text(fields[3]),
                         text(fields[4]),
                         {},
                         delivery.value_or(Delivery::NotInFull)};
    if (!delivery || !takeBlock(fields[7], fields[8], record.block)) {
        return std::nullopt;
    }
    return record;
}

QString defaultJournalPath() {
    const QString folder = userLogFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/journal");
}

std::vector<JournalRecord> readJournal(const QString& path, LogTrouble* trouble) {
    // Newest last while reading. A session stays where it began: a later line of the same
    // session (its completion, written once the line has carried its last byte, perhaps after a
    // newer session began) changes what it says, not where it stands.
    std::vector<JournalRecord> records;
    std::unordered_map<QString, std::size_t> began;
    LogTrouble ignored;
    trouble = trouble != nullptr ? trouble : &ignored;
    if (path.isEmpty()) {
        trouble->unreadFile = shownPath(path);
        trouble->reason = QString::fromLatin1(NoLogFolder);
        return records;
    }
    for (const QByteArray& line : readLogLines(path, JournalFileBound, trouble)) {
        if (std::optional<JournalRecord> record = parseJournalLine(line)) {
            if (const auto earlier = began.find(record->session); earlier != began.end()) {
                records[earlier->second] = std::move(*record);
            } else {
                began[record->session] = records.size();
                records.push_back(std::move(*record));
            }
        }
    }
    std::reverse(records.begin(), records.end());
    return records;
}

QString newJournalSession() {
    return QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0');
}

QString journalTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
}

struct SendJournal::Writer {
    QString path;
    qint64 bound;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<JournalRecord> queue;
    bool stopping = false;
    bool failing = false;
    std::function<void(const QString&)> failed;
    std::thread thread;  // started by the first record: a window that sends nothing needs none

    Writer(QString p, qint64 b) : path(std::move(p)), bound(b) {}

    void run() {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stopping || !queue.empty(); });
            if (queue.empty()) {
                return;
            }
            const JournalRecord record = std::move(queue.front());
            queue.pop_front();
            lock.unlock();
            QString problem;
            const bool written = appendLogLine(path, journalLine(record), bound, &problem);
            lock.lock();
            if (!written && !std::exchange(failing, true) && failed) {
                failed(QDir::toNativeSeparators(shownPath(path)) + QStringLiteral(": ") + problem);
            }
            failing = failing && !written;
            if (problem == QLatin1String(LockHeldReason)) {
                queue.clear();  // they would wait on the same holder
            }
        }
    }
};

SendJournal::SendJournal(QString path, qint64 bound)
    : writer_(std::make_unique<Writer>(std::move(path), bound)) {}

SendJournal::~SendJournal() {
    {
        const std::lock_guard<std::mutex> lock(writer_->mutex);
        writer_->stopping = true;
    }
    writer_->wake.notify_one();
    if (writer_->thread.joinable()) {
        writer_->thread.join();
    }
}

void SendJournal::record(const JournalRecord& record) {
    {
        const std::lock_guard<std::mutex> lock(writer_->mutex);
        std::deque<JournalRecord>& queue = writer_->queue;
        const auto queued =
            std::find_if(queue.begin(), queue.end(),
                         [&record](const JournalRecord& r) { return r.session == record.session; });
        if (queued != queue.end()) {
            *queued = record;
        } else {
            queue.push_back(record);
        }
        if (!writer_->thread.joinable()) {
            writer_->thread = std::thread([writer = writer_.get()] { writer->run(); });
        }
    }
    writer_->wake.notify_one();
}

void SendJournal::onFailure(std::function<void(const QString&)> failed) {
    const std::lock_guard<std::mutex> lock(writer_->mutex);
    writer_->failed = std::move(failed);
}

}  // namespace rotaline
