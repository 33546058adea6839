// Feeds arbitrary bytes to the journal's line parser: a line it takes is written again as a
// line it takes back unchanged, and its texts are shown without a control character.
#include <QChar>
#include <cstdint>
#include <cstdlib>

#include "files/SendJournal.h"
#include "platform/Printable.h"

using namespace rotaline;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<JournalRecord> record = parseJournalLine(line);
    if (!record) {
        return 0;
    }
    const QByteArray written = journalLine(*record);
    const std::optional<JournalRecord> again = parseJournalLine(written.chopped(1));
    if (!again || journalLine(*again) != written) {
        std::abort();
    }
    for (const QString& text : {record->time, record->session, record->port, record->adapter}) {
        for (const QChar c : printable(text)) {
            if (c.category() == QChar::Other_Control) {
                std::abort();
            }
        }
    }
    return 0;
}
