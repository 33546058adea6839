#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include "pty/PseudoTerminal.h"
#endif

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>
#include <thread>

#include "contract/ThisSystem.h"
#include "platform/LineDrain.h"
#include "support/DataFile.h"

using namespace rotaline;
using namespace rotaline::testing;

// On every system a closed port waits for its line until the line clock says the last byte has
// left, and no longer: a pulled adapter ends the wait at once, as does giving up or letting go.
class ContractDrain : public QObject {
    Q_OBJECT
private slots:
    // The waits of data/contract/drain.txt.
    void aClosedPortWaitsForItsLineAndNoLonger_data() {
        addDataRows("row", TEST_DATA "/contract/drain.txt");
    }
    void aClosedPortWaitsForItsLineAndNoLonger() {
        QFETCH(DataRow, row);
        SKIP_WHERE_NOT_SHOWN(linuxOnly(qPrintable(row.value("linux-only"))));
        static const QStringList outcomes{"Waiting", "Idle", "HungUp", "GivenUp"};  // in order
        const int bytes = wordsOf(row.value("line")).value(0).toInt();
        const bool pulled = row.value("line").endsWith(" pulled");
        const QString then = row.value("then");
        const int unsent = row.value("unsent").toInt(), waits = row.value("waits").toInt();
#ifdef _WIN32
        // A pulled adapter's handle fails every call, as one never opened does.
        const qintptr handle = reinterpret_cast<qintptr>(INVALID_HANDLE_VALUE);
        static_cast<void>(pulled);
#else
        PseudoTerminal adapter;
        const int handle = ::open(adapter.slavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        const auto closing = qScopeGuard([handle] { ::close(handle); });
        if (pulled) {
            adapter.closeMaster();
        }
#endif
        LineClock line;
        line.handedOver(bytes);
        LineDrain drain(handle, line);
        QElapsedTimer waiting;
        waiting.start();
        std::thread other([&drain, &then] {
            QThread::msleep(100);
            then == "give up" ? drain.giveUp() : then == "release" ? drain.release() : void();
        });

        drain.wait();
        const qint64 waited = waiting.elapsed();
        other.join();

        QCOMPARE(drain.outcome(), LineDrain::Outcome(outcomes.indexOf(row.value("outcome"))));
        QVERIFY2(drain.unsentBytes() >= unsent && drain.unsentBytes() <= bytes,
                 qPrintable(QString::number(drain.unsentBytes())));
        QVERIFY2(waited >= waits && waited < waits + 500, qPrintable(QString::number(waited)));
    }
};

QTEST_GUILESS_MAIN(ContractDrain)
#include "ContractDrain.moc"
