#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/AdapterDiagnosis.h"
#include "support/DataFile.h"
#include "support/MemorySettingsStore.h"
#include "window/port/AdapterAdvice.h"
#include "window/port/AdapterReport.h"
#include "window/port/PortHelp.h"
#ifndef _WIN32
#include "pty/PseudoTerminal.h"
#endif

using namespace rotaline;
using namespace rotaline::testing;

// Why an adapter cannot be used, told alike on every system from its records alone, with every
// text from outside written out; the system's own causes are its own tests' (Linux's made-up
// sysfs, Windows' device manager records).
class ContractDiagnosis : public QObject {
    Q_OBJECT
private slots:
    void anAssignedDeviceIsJudgedWithoutOpeningIt_data() {
        addDataRows("row", TEST_DATA "/contract/assigned-devices.txt");
    }
    void anAssignedDeviceIsJudgedWithoutOpeningIt() {
        QFETCH(DataRow, row);
        SKIP_WHERE_NOT_SHOWN(linuxOnly(qPrintable(row.value("linux-only"))));
        QString device = row.text("device");
        const QString cause = row.value("cause");
#ifndef _WIN32
        const PseudoTerminal line;
        device.replace("line", QString::fromStdString(line.slavePath()));
#endif
        const AdapterFinding finding = judgeAssigned(device);
        QCOMPARE(finding.device, device);
        QCOMPARE(finding.cause, cause == "Absent"      ? AdapterCause::Absent
                                : cause == "NotSerial" ? AdapterCause::NotSerial
                                                       : AdapterCause::Usable);
    }

    // Any process may name itself so, and any device its strings: whatever the text, each
    // surface shows it written out, on one line, in its place in the sentence.
    void textFromOutsideIsShownWrittenOut_data() {
        QTest::addColumn<QString>("shown");  // of the hostile text
        QTest::addColumn<QString>("expected");
        const QString hostile = "\x1b[2J\x1b]0;T\x07\r\n\u202e\u009b\u2028%1";
        const QString p = "\\x1b[2J\\x1b]0;T\\x07\\r\\n\\u202e\\x9b\\u2028%1";
        LinkOutcome held = LinkOutcome::failure("", PortProblem::Busy);
        held.device = "/dev/ttyUSB0";
        held.holder = PortHolder{4242, hostile};
        AdapterFinding busy;
        busy.device = "/dev/ttyUSB0";
        busy.cause = AdapterCause::Busy;
        busy.detail = hostile;
        busy.pid = 4242;
        AdapterFinding plugged;
        plugged.product = hostile;
        const QString json = adaptersJson({plugged}, [](const QString&) { return 0; });
        QTest::newRow("status bar, its holder")
            << portTrouble(held, 1, English)
            << "/dev/ttyUSB0 is in use by " + p + " (process 4242).";
        QTest::newRow("status bar, the system's words")
            << portTrouble(LinkOutcome::failure(hostile), 1, English) << p;
        QTest::newRow("offer button")
            << adapterOfferText(hostile, English) << "Use " + p + " as COM1";
        QTest::newRow("rotaline-program, what did not leave")
            << sendingFailureText(PortProblem::GivenUp, hostile, 3)
            << "3 bytes for " + p + " were given up and not sent.";
        QTest::newRow("adapters window and --adapters")
            << adapterCause(busy, English) << "/dev/ttyUSB0 is in use by " + p + " (process 4242).";
        MemorySettingsStore store;
        const QString dev = onThisSystem("/dev/", "");
        store.setValue("Ports", "COM1", dev + hostile);
        QTest::newRow("the port list's entry")
            << PortResolver(store).describe(1) << "COM1: " + dev + p + " (not present)";
        QTest::newRow("--adapters --format json")
            << json.split('\n').filter("\"product\"").value(0)
            << "            \"product\": "
               "\"\\u001b[2J\\u001b]0;T\\u0007\\r\\n\\u202e\\u009b\\u2028%1\",";
    }
    void textFromOutsideIsShownWrittenOut() {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    // The adapters window tells the user where they stand with the group of serial devices
    // only on a system that has one.
    void theUsersStandingIsToldOnlyWhereASystemHasAGroup() {
        const QString standing = standingText(surveyAdapters().standing, English);
        QCOMPARE(standing.isEmpty(), onThisSystem(false, true));
    }
};

QTEST_GUILESS_MAIN(ContractDiagnosis)
#include "ContractDiagnosis.moc"
