#include <QSignalSpy>
#include <QtTest>
#include <csignal>

#include "contract/ThisSystem.h"
#include "platform/ExitSignals.h"

using namespace rotaline;
using namespace rotaline::testing;

// On every system, a request to stop is not fatal while ExitSignals lives: the first two arrive
// on the event loop, in order, for the program to end as its own Exit does and then give up.
class ContractExitSignals : public QObject {
    Q_OBJECT
private slots:
    void eachRequestToStopArrivesOnTheEventLoop_data() {
        QTest::addColumn<int>("asked");
        QTest::newRow("once") << 1;
        QTest::newRow("twice: the second gives up") << 2;
    }
    void eachRequestToStopArrivesOnTheEventLoop() {
        QFETCH(int, asked);
        SKIP_WHERE_NOT_SHOWN(
            linuxOnly("Wine gives a test no console for Ctrl+C, and tells a "
                      "session's end only to a window the system draws"));
        ExitSignals stop;
        QSignalSpy received(&stop, &ExitSignals::received);
        for (int n = 0; n < asked; ++n) {
            QCOMPARE(std::raise(SIGTERM), 0);  // as the end of the session does
        }
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), asked, 10000);
        QCOMPARE(received, QList<QList<QVariant>>(asked, {SIGTERM}));
        QCOMPARE(ExitSignals::caught(), SIGTERM);
    }
};

QTEST_GUILESS_MAIN(ContractExitSignals)
#include "ContractExitSignals.moc"
