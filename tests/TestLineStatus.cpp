#include <QtTest>

#include "window/port/LineStatus.h"
#include "window/port/PortHelp.h"
#include "window/texts/SystemReasons.h"
#include "window/texts/Texts.h"

using namespace rotaline;

namespace {

// The rows of data/line-status.txt of one kind, without it; columns trimmed.
void rowsOf(const QString& kind) {
    QTest::addColumn<QStringList>("row");
    QFile file(QStringLiteral(TEST_DATA "/line-status.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (int number = 0; number < lines.size(); ++number) {
        const QStringList row = lines[number].trimmed().split(QRegularExpression(" *\\| *"));
        if (row.first() == kind) {
            QTest::addRow("line %d", number + 1) << row.mid(1).replaceInStrings("\\n", "\n");
        }
    }
}

const Language& language(const QString& caption) {
    for (const Language& language : Languages) {
        if (fromView(language.caption) == caption) {
            return language;
        }
    }
    return English;
}

}  // namespace

class TestLineStatus : public QObject {
    Q_OBJECT
private slots:
    void theStatusSaysWhatTheControllerHas_data() { rowsOf(QStringLiteral("status")); }
    void theStatusSaysWhatTheControllerHas() {
        QFETCH(QStringList, row);
        LineClock line;
        const auto start = LineClock::Clock::now();
        if (row[0].toInt() > 0) {
            line.handedOver(row[0].toInt(), start);
        }
        const auto now = start + std::chrono::duration_cast<LineClock::Clock::duration>(
                                     std::chrono::duration<double>(row[1].toDouble()));
        const LineRecord record{row[2] == "handshake only", row[3].toInt(),
                                row[5] == "model chosen", QString()};
        const QString shown = lineStatusOf(line, "COM1", language(row[4]), record, now).text;
        QVERIFY2(row[6].isEmpty() ? shown.isEmpty() : shown.startsWith(row[6]), qPrintable(shown));
    }

    void aLostLineIsSaidInTheUsersLanguage_data() { rowsOf(QStringLiteral("lost")); }
    void aLostLineIsSaidInTheUsersLanguage() {
        QFETCH(QStringList, row);
        const auto problem = row[0] == "stuck"      ? PortProblem::Stuck
                             : row[0] == "given up" ? PortProblem::GivenUp
                                                    : PortProblem::Disconnected;
        const LinkOutcome lost{false,        sendingFailureText(problem, "/dev/ttyUSB0", 12),
                               problem,      "/dev/ttyUSB0",
                               std::nullopt, 12,
                               std::nullopt};
        QCOMPARE(portHelp(lost, 1, language(row[1]), row[2] == "model chosen"), row[3]);
    }

    void aReasonIsSaidInTheUsersLanguage_data() { rowsOf(QStringLiteral("reason")); }
    void aReasonIsSaidInTheUsersLanguage() {
        QFETCH(QStringList, row);
        QCOMPARE(reasonIn(row[0], language(row[1])), row[2]);
        QCOMPARE(portHelp(LinkOutcome::failure(row[0]), 5, language(row[1]), true), row[2]);
    }
};

QTEST_GUILESS_MAIN(TestLineStatus)
#include "TestLineStatus.moc"
