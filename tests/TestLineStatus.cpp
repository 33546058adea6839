#include <QtTest>

#include "window/port/LineStatus.h"
#include "window/port/PortHelp.h"
#include "window/texts/SystemReasons.h"

using namespace rotaline;

namespace {

// Whether the row's name says so: "in Chinese", "no model chosen" (Send all waits for one).
bool tagged(const char* words) {
    return QByteArray(QTest::currentDataTag()).contains(words);
}

}  // namespace

// What the status bar says of the line, one row per state of the line and of the settings.
class TestLineStatus : public QObject {
    Q_OBJECT
private slots:
    void theStatusSaysWhatTheControllerHas_data() {
        QTest::addColumn<int>("bytes");     // handed over in one run at the start
        QTest::addColumn<double>("after");  // seconds later
        QTest::addColumn<bool>("handshakeOnly");
        QTest::addColumn<int>("unsent");
        QTest::addColumn<QString>("status");
        QTest::newRow("nothing sent yet") << 0 << 0.0 << false << 0 << "";
        QTest::newRow("the port's handshake only")
            << 2 << 1.0 << true << 0 << "Handshake sent to COM1";
        QTest::newRow("settings") << 4 << 1.0 << false << 0 << "All settings sent to COM1 at";
        QTest::newRow("one message on the line")
            << 4 << 0.1 << false << 1 << "Sending to COM1… 1 message left (";
        QTest::newRow("two messages on the line")
            << 6 << 0.1 << false << 0 << "Sending to COM1… 2 messages left (";
        QTest::newRow("two unsent, after a handshake")
            << 2 << 1.0 << true << 2
            << "2 settings not sent to the controller — File > Send all settings again";
        QTest::newRow("two unsent, in Chinese")
            << 4 << 1.0 << false << 2 << "2 项设置未发送到控制器 — 文件 > 重新发送全部设置";
        QTest::newRow("unsent before anything went out")
            << 0 << 0.0 << false << 1
            << "1 setting not sent to the controller — File > Send all settings again";
        QTest::newRow("two unsent, no model chosen")
            << 2 << 1.0 << true << 2
            << "2 settings not sent to the controller — choose the model first";
    }
    void theStatusSaysWhatTheControllerHas() {
        QFETCH(int, bytes);
        QFETCH(double, after);
        QFETCH(bool, handshakeOnly);
        QFETCH(int, unsent);
        QFETCH(QString, status);
        LineClock line;
        const auto start = LineClock::Clock::now();
        if (bytes > 0) {
            line.handedOver(bytes, start);
        }
        const auto now = start + std::chrono::duration_cast<LineClock::Clock::duration>(
                                     std::chrono::duration<double>(after));

        const LineStatus shown =
            lineStatusOf(line, QStringLiteral("COM1"), tagged("in Chinese") ? Chinese : English,
                         {handshakeOnly, unsent, !tagged("no model chosen"), QString()}, now);

        QVERIFY2(status.isEmpty() ? shown.text.isEmpty() : shown.text.startsWith(status),
                 qPrintable(shown.text));
    }

    // Bytes that never left are said in the user's language, with what to do about it: Send
    // all, or a model first while Send all waits for one.
    void aLostLineIsSaidInTheUsersLanguage_data() {
        QTest::addColumn<PortProblem>("problem");
        QTest::addColumn<QString>("help");
        QTest::newRow("pulled")
            << PortProblem::Disconnected
            << "/dev/ttyUSB0 was disconnected with 12 bytes not yet sent.\n"
               "Plug the adapter in again, then File > Send all settings again.";
        QTest::newRow("pulled, no model chosen")
            << PortProblem::Disconnected
            << "/dev/ttyUSB0 was disconnected with 12 bytes not yet sent.\n"
               "Plug the adapter in again, then choose the model.";
        QTest::newRow("pulled, in Chinese")
            << PortProblem::Disconnected
            << "/dev/ttyUSB0 已断开，还有 12 个字节未发送。\n"
               "请重新插上适配器，然后选择 文件 > 重新发送全部设置。";
        QTest::newRow("stuck, in Chinese")
            << PortProblem::Stuck
            << "/dev/ttyUSB0 不再接收字节，其中 12 个未发送。\n"
               "请检查适配器及其连线，然后选择 文件 > 重新发送全部设置。";
        QTest::newRow("given up") << PortProblem::GivenUp
                                  << "12 bytes for /dev/ttyUSB0 were given up and not sent.";
    }
    void aLostLineIsSaidInTheUsersLanguage() {
        QFETCH(PortProblem, problem);
        QFETCH(QString, help);
        const LinkOutcome lost{false,        sendingFailureText(problem, "/dev/ttyUSB0", 12),
                               problem,      "/dev/ttyUSB0",
                               std::nullopt, 12,
                               std::nullopt};

        QCOMPARE(
            portHelp(lost, 1, tagged("in Chinese") ? Chinese : English, !tagged("no model chosen")),
            help);
    }

    // Given a reason the port or a file gave, when it is shown in German or Chinese, then our own
    // sentence is translated, and the names and the system's own words in it are kept.
    void aReasonIsSaidInTheUsersLanguage_data() {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a read-only file, in German") << "It is read-only."
                                                     << "Die Datei ist schreibgeschützt.";
        QTest::newRow("the port, in Chinese") << "COM5 cannot be opened: Invalid parameter"
                                              << "无法打开 COM5：Invalid parameter";
        QTest::newRow("a name holding %2, in German")
            << "100%2 cannot be set to 300,e,8,1."
            << "100%2 kann nicht auf 300,e,8,1 eingestellt werden.";
        QTest::newRow("the system's own words, in German") << "Permission denied"
                                                           << "Permission denied";
    }
    void aReasonIsSaidInTheUsersLanguage() {
        QFETCH(QString, reason);
        QFETCH(QString, shown);
        const Language& language = tagged("in Chinese") ? Chinese : German;
        QCOMPARE(reasonIn(reason, language), shown);
        const LinkOutcome failed{false,        reason, PortProblem::Other, "COM5",
                                 std::nullopt, 0,      std::nullopt};
        QCOMPARE(portHelp(failed, 5, language, true), shown);
    }
};

QTEST_GUILESS_MAIN(TestLineStatus)
#include "TestLineStatus.moc"
