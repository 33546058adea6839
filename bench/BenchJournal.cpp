// Times the journal: a record handed to the writer (what the window's thread pays), a line
// appended under the lock, the whole journal read back and one record described; then prints
// the journal's size after 10 000 sessions against its bound.
#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "Timing.h"
#include "files/SendJournal.h"
#include "platform/AppendLog.h"
#include "window/record/BlockDescription.h"

using namespace rotaline;
using namespace rotaline::bench;

namespace {

JournalRecord record(int n) {
    return {journalTime(),
            QString::number(n),
            QStringLiteral("COM1"),
            QStringLiteral("/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"),
            ParameterBlock::atStartUp(),
            Delivery::InFull};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("journal"));
    constexpr int Sessions = 10000;
    {
        SendJournal journal(path);
        report("record handed to the writer",
               repeat(Sessions, [&](int n) { journal.record(record(n)); }));
    }
    QString error;
    report("line appended under the lock", repeat(2000, [&](int n) {
               appendLogLine(path, journalLine(record(n)), JournalFileBound, &error);
           }));
    report("whole journal read", repeat(20, [&](int) { readJournal(path); }));
    const ParameterBlock block = readJournal(path).front().block;
    report("one record described (History, --history)",
           repeat(200, [&](int) { describeBlock(block, English); }));
    std::printf("journal after %d sessions: %lld + %lld bytes (bound %lld each, plus a line)\n",
                Sessions + 2000, QFileInfo(path).size(), QFileInfo(path + ".1").size(),
                JournalFileBound);
    return 0;
}
