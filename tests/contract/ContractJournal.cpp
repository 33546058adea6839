#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/AppendLog.h"
#include "support/DataFile.h"

using namespace rotaline;
using namespace rotaline::testing;

// The journal's log on every system: whole lines, bounded, only its own regular file written,
// another program's lock waited out within a bound.
class ContractJournal : public QObject {
    Q_OBJECT
private slots:
    // Given a log bounded to 100 bytes and what a user's disk may hold in its place
    // (data/contract/journal.txt), when a 40-byte line is appended and the log read, then the
    // line was written or refused with the reason and nothing changed, and what is read is bounded
    // and says which file was not read whole.
    void aLineIsWrittenWholeOrRefusedWithItsReason_data() {
        addDataRows("row", TEST_DATA "/contract/journal.txt");
    }
    void aLineIsWrittenWholeOrRefusedWithItsReason() {
        QFETCH(DataRow, row);
        SKIP_WHERE_NOT_SHOWN(linuxOnly(qPrintable(row.value("linux-only"))));
        const QString layout = row.value("layout"), trouble = row.text("trouble");
        const QString refusal = row.text("refusal").replace("ACCESS_DENIED", windowsAccessDenied());
        const int linesRead = row.value("lines").toInt();
        constexpr qint64 Bound = 100;
        const QByteArray line = QByteArray(39, 'x') + '\n';
        QTemporaryDir top;  // under a folder deeper than 260 characters, its name not Latin
        const QDir dir(
            top.filePath(QStringLiteral("飞机") + QString(130, 'x') + "/" + QString(130, 'y')));
        QVERIFY(dir.mkpath("."));
        const QString journal = dir.filePath(QStringLiteral("J"));
        const QString precious = dir.filePath(QStringLiteral("precious"));
        QString error;
        for (int n = 0; layout == "5 lines" && n < 5; ++n) {
            QVERIFY(appendLogLine(journal, line, Bound, &error));
        }
        for (const QString& folder : {QStringLiteral("J"), QStringLiteral("J.1")}) {
            QVERIFY(!layout.split(", ").contains("folder " + folder) || dir.mkdir(folder));
        }
        QFile file(layout.endsWith(" link J") ? precious : journal);
        if (layout.startsWith("full") || layout.startsWith("1 MB") || layout == "torn" ||
            layout.endsWith(" link J")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(layout == "torn"            ? QByteArray("killed mid-wr")
                       : layout.startsWith("1 MB") ? line.repeated(1048576 / line.size())
                                                   : line.repeated(3));
            file.close();
        }
        QVERIFY(layout != "hard link J" || hardLink(precious, journal));
        QVERIFY(layout != "link J" || QFile::link(precious, journal));
        QVERIFY(layout != "fifo J" || makeFifo(journal));
        const HeldLock lock(layout == "lock held" ? journal + ".lock" : dir.filePath("other"));
        QVERIFY(lock.held());
        const QByteArray before = QFileInfo(journal).isFile() ? readAll(journal) : QByteArray();
        QElapsedTimer writing;
        writing.start();

        const bool written = appendLogLine(journal, line, Bound, &error);
        LogTrouble read;
        const QList<QByteArray> lines = readLogLines(journal, Bound, &read);

        QCOMPARE_LT(writing.elapsed(), 2 * LockWait.count());
        QCOMPARE(written ? QString() : error, refusal);
        QVERIFY(written || !QFileInfo(journal).isFile() || readAll(journal) == before);
        QVERIFY(!QFileInfo(precious).exists() || readAll(precious) == line.repeated(3));
        for (const QString& name : {QStringLiteral("J"), QStringLiteral("J.1")}) {
            const QFileInfo kept(dir.filePath(name));
            QVERIFY(!kept.isFile() || kept.size() <= Bound + line.size() || before.size() > Bound);
        }
        QCOMPARE(lines.size(), linesRead);
        QVERIFY(lines.isEmpty() || lines.last() == line.trimmed());
        const QString unread = QFileInfo(read.unreadFile).fileName() + ": " + read.reason;
        const QString cut =
            QFileInfo(read.cutFile).fileName() + ": cut to " + QString::number(read.readBytes);
        QCOMPARE(!read.unreadFile.isEmpty() ? unread
                 : !read.cutFile.isEmpty()  ? cut
                                            : QString(),
                 trouble);
    }

private:
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
};

QTEST_GUILESS_MAIN(ContractJournal)
#include "ContractJournal.moc"
