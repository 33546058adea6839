// Times the journal: a record handed to the writer (what the window's thread pays), a line
// appended under the lock, the whole journal read back and one record described; then prints
// the journal's size after 10 000 sessions against its bound.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "files/SendJournal.h"
#include "platform/AppendLog.h"
#include "window/BlockDescription.h"

using namespace rotaline;

namespace {

void report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[static_cast<size_t>(q * (micros.size() - 1))]; };
    std::printf("%-44s median %9.1f us   p10 %9.1f   p90 %9.1f   (n=%zu)\n", what, at(0.5), at(0.1),
                at(0.9), micros.size());
}

std::vector<double> repeat(int times, const std::function<void(int)>& run) {
    std::vector<double> micros;
    QElapsedTimer timer;
    for (int i = 0; i < times; ++i) {
        timer.start();
        run(i);
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    return micros;
}

JournalRecord record(int n) {
    return {journalTime(),
            QString::number(n),
            QStringLiteral("COM1"),
            QStringLiteral("/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"),
            ParameterBlock::atStartUp(),
            true};
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
           repeat(200, [&](int) { describeBlock(block, false); }));
    std::printf("journal after %d sessions: %lld + %lld bytes (bound %lld each, plus a line)\n",
                Sessions + 2000, QFileInfo(path).size(), QFileInfo(path + ".1").size(),
                JournalFileBound);
    return 0;
}
