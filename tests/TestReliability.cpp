#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QSocketNotifier>
#include <QtTest>
#include <chrono>
#include <memory>

#include "platform/QtSerialPort.h"
#include "pty/PseudoTerminal.h"
#include "support/FormFixture.h"
#include "ui/MainWindow.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

namespace {

std::chrono::milliseconds processorTime() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::chrono::milliseconds(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

int openDescriptors() {
    return static_cast<int>(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size());
}

// The programmer on the real serial port; COM1 and COM2 both lead to `device`.
struct Programmer {
    QString device;
    QtSerialPort port{[this](int) { return device; }};
    ProgrammingLink link{port};
    ScriptedDialogs dialogs;
    MemorySettingsStore settings;
    MainForm form{link, dialogs, settings};

    Programmer() { form.FillValueLists(); }
    void select(int position) { form.controls().ComboCOM->setListIndex(position); }
    void brake(int index) { form.controls().OptionBrake->select(index); }
};

}  // namespace

class TestReliability : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (!PseudoTerminal().isOpen()) {
            QSKIP("no pseudo-terminals here");
        }
    }

    void anAdapterPulledAndPluggedTwentyTimesLeavesNothingBehind() {
        Programmer p;
        const int before = openDescriptors();
        for (int round = 0; round < 20; ++round) {
            auto adapter = std::make_unique<PseudoTerminal>();
            p.device = QString::fromStdString(adapter->slavePath());
            p.dialogs.clear();
            p.select(round % 2);
            p.brake(1 + round % 2);
            QCOMPARE(QByteArray::fromStdString(adapter->read(1000ms)),
                     QByteArray("\xAA\x55\x89") + char(2 + round % 2));
            QVERIFY(p.link.isReady());

            adapter.reset();
            QTest::qWait(20);
            p.brake(4);
            QCOMPARE(
                p.dialogs.texts(),
                QStringList({QStringLiteral("COM%1 is invalild ! \r\nPlease slect other COM port !")
                                 .arg(1 + round % 2)}));
            QVERIFY(!p.link.isReady());
        }
        p.link.close();
        QCOMPARE(openDescriptors(), before);
    }

    void aHungUpPortIsClosedAndNothingSpins() {
        PseudoTerminal adapter;
        Programmer p;
        p.device = QString::fromStdString(adapter.slavePath());
        p.select(0);
        p.brake(1);
        QVERIFY(p.link.isOpen());

        adapter.closeMaster();
        QTest::qWait(50);
        const auto before = processorTime();
        QTest::qWait(1000);

        QVERIFY2(processorTime() - before < 100ms,
                 qPrintable(QString::number((processorTime() - before).count())));
        QVERIFY(!p.link.isOpen());
        p.dialogs.clear();
        p.brake(2);
        QCOMPARE(p.dialogs.texts(),
                 QStringList({"COM1 is invalild ! \r\nPlease slect other COM port !"}));
    }

    void aFloodOfReceivedBytesKeepsTheWindowResponsiveAndTheWireInOrder() {
        PseudoTerminal adapter;
        Programmer p;
        p.device = QString::fromStdString(adapter.slavePath());
        MainWindow window(p.form);
        window.show();
        p.select(0);
        p.brake(0);

        QByteArray heard;
        QSocketNotifier listener(adapter.masterFd(), QSocketNotifier::Read);
        connect(&listener, &QSocketNotifier::activated, this,
                [&] { heard += QByteArray::fromStdString(adapter.read(0ms, 0ms)); });
        const QByteArray burst(4096, 'z');
        constexpr qsizetype Flood = qsizetype(1) << 20;
        qsizetype sent = 0;
        ::fcntl(adapter.masterFd(), F_SETFL, ::fcntl(adapter.masterFd(), F_GETFL) | O_NONBLOCK);
        QTimer flood;
        connect(&flood, &QTimer::timeout, this, [&] {
            const qsizetype size = std::min<qsizetype>(burst.size(), Flood - sent);
            const ssize_t taken =
                size > 0 ? ::write(adapter.masterFd(), burst.constData(), size) : 0;
            sent += std::max<ssize_t>(taken, 0);
        });
        QByteArray expected;
        int changes = 0;
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            const int index = 1 + changes % 5;
            p.brake(index);
            expected += QByteArray("\x89") + char(index + 1);
            ++changes;
        });
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longestGap = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, this, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        clock.start();
        flood.start(2);
        user.start(15);
        heartbeat.start(5);
        QTRY_VERIFY_WITH_TIMEOUT(sent == Flood && changes >= 60, 120000);
        user.stop();
        QTRY_COMPARE_WITH_TIMEOUT(heard, QByteArray("\xAA\x55") + expected, 10000);

        // The figure itself is the benchmark's; here only a frozen window fails.
        QVERIFY2(longestGap < 250, qPrintable(QString::number(longestGap)));
        QVERIFY(p.form.controls().Text1->text().size() <= TextBox::Capacity);
        QVERIFY(
            qobject_cast<QPlainTextEdit*>(window.widget("Text1"))->document()->characterCount() <=
            TextBox::Capacity + 4096);
    }
};

QTEST_MAIN(TestReliability)
#include "TestReliability.moc"
