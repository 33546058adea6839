#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "model/ParameterBlock.h"
#include "platform/AppendLog.h"

namespace rotaline {

// Whether a session's bytes reached the controller: a session is recorded as sending when its
// first byte is handed over, and as sent in full only once the line has carried its last one.
// A session still sending in the newest record was never confirmed (the program was killed, the
// system went down).
enum class Delivery { Sending, InFull, NotInFull };

// What one controller was left with after a programming session: from a model choice, a file
// load or a Send all to the next one. Later records of a session supersede earlier ones.
struct JournalRecord {
    QString time;     // ISO 8601 with the offset from UTC
    QString session;  // the same for every record of one session
    QString port;     // "COM1", or "-" where no COM number was used
    QString adapter;  // the device's stable name; "" when none is known
    ParameterBlock block;
    Delivery delivery = Delivery::InFull;
};

// One record as one line of the journal: tab-separated, its own checksum last, then LF.
QByteArray journalLine(const JournalRecord& record);
// The record of a line without its LF, or nothing for a damaged line.
std::optional<JournalRecord> parseJournalLine(const QByteArray& line);

// $XDG_STATE_HOME/Rotaline/journal, ~/.local/state/Rotaline/journal without it; "" when there
// is no folder for it (HOME unset or relative), where nothing is written or read.
QString defaultJournalPath();
// Each file of the journal is renamed away past this size, the older one dropped.
inline constexpr qint64 JournalFileBound = 256 * 1024;

// Each session's last record, the most recently written first; of a journal larger than its
// bound allows only the newest lines. `trouble` says what could not be read.
std::vector<JournalRecord> readJournal(const QString& path, LogTrouble* trouble = nullptr);

// Writes records on a thread of its own, so that nothing waits on the disk. A record still
// queued when a newer one of its session comes is replaced by it. The destructor writes what
// is queued, and so waits no longer than another program's lock is waited for: records that
// queued while a lock was waited out in vain are given up with the one that waited.
class SendJournal {
public:
    explicit SendJournal(QString path = defaultJournalPath(), qint64 bound = JournalFileBound);
    ~SendJournal();
    SendJournal(const SendJournal&) = delete;
    SendJournal& operator=(const SendJournal&) = delete;

    void record(const JournalRecord& record);
    // `failed` runs on the writer's thread with the reason when a record cannot be written,
    // once until a record is written again.
    void onFailure(std::function<void(const QString& reason)> failed);

private:
    struct Writer;
    std::unique_ptr<Writer> writer_;
};

// A new session's key, unique across processes.
QString newJournalSession();
// Now, in ISO 8601 with the offset from UTC.
QString journalTime();

}  // namespace rotaline
