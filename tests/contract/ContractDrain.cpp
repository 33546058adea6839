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

using namespace rotaline;
using namespace rotaline::testing;

Q_DECLARE_METATYPE(rotaline::LineDrain::Outcome)

// On every system a closed port waits for its line until the line clock says the last byte has
// left, and no longer: a pulled adapter ends the wait at once, as does giving up or letting go.
class ContractDrain : public QObject {
    Q_OBJECT
private slots:
    // Given a line the clock says holds `bytes` at 300 baud (11/300 s a byte), when the port
    // waits for it and `then` happens 100 ms in, then the wait ends with `outcome` after about
    // `waits` ms, what had not left counted.
    void aClosedPortWaitsForItsLineAndNoLonger_data() {
        QTest::addColumn<bool>("pulled");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("then");
        QTest::addColumn<LineDrain::Outcome>("outcome");
        QTest::addColumn<int>("unsent");  // at least this, and at most `bytes`
        QTest::addColumn<int>("waits");
        QTest::addColumn<QString>("notShown");
        using O = LineDrain::Outcome;
        const QString aLine = linuxOnly("the test's Wine prefix maps no COM port to a line");
        QTest::newRow("an idle line") << false << 0 << "" << O::Idle << 0 << 0 << aLine;
        QTest::newRow("bytes on the line") << false << 9 << "" << O::Idle << 0 << 330 << aLine;
        QTest::newRow("pulled mid-line") << true << 30 << "" << O::HungUp << 25 << 0 << QString();
        QTest::newRow("given up") << false << 30 << "give up" << O::GivenUp << 20 << 100 << aLine;
        QTest::newRow("let go") << false << 30 << "release" << O::Waiting << 0 << 100 << aLine;
    }
    void aClosedPortWaitsForItsLineAndNoLonger() {
        QFETCH(bool, pulled);
        QFETCH(int, bytes);
        QFETCH(QString, then);
        QFETCH(LineDrain::Outcome, outcome);
        QFETCH(int, unsent);
        QFETCH(int, waits);
        QFETCH(QString, notShown);
        SKIP_WHERE_NOT_SHOWN(notShown);
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

        QCOMPARE(drain.outcome(), outcome);
        QVERIFY2(drain.unsentBytes() >= unsent && drain.unsentBytes() <= bytes,
                 qPrintable(QString::number(drain.unsentBytes())));
        QVERIFY2(waited >= waits && waited < waits + 500, qPrintable(QString::number(waited)));
    }
};

QTEST_GUILESS_MAIN(ContractDrain)
#include "ContractDrain.moc"
