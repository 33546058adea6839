#include <QTemporaryDir>
#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/RegularFiles.h"
#include "support/DataFile.h"

using namespace rotaline;
using namespace rotaline::testing;

// Saving and reading a user's file on every system: only a regular file is read or written, a
// save keeps what points to the file, and a failed one keeps the old file as it was.
class ContractRegularFiles : public QObject {
    Q_OBJECT
private slots:
    // Given what stands at a name (data/contract/regular-files.txt), when "new" is saved to it,
    // then it is saved or refused with the reason, and the folder holds what the listing says: no
    // copy left behind, links kept, the file's permissions as they were.
    void aSaveReplacesOnlyAWritableRegularFile_data() {
        addDataRows("row", TEST_DATA "/contract/regular-files.txt");
    }
    void aSaveReplacesOnlyAWritableRegularFile() {
        QFETCH(DataRow, row);
        SKIP_WHERE_NOT_SHOWN(linuxOnly(qPrintable(row.value("linux-only"))));
        const QString layout = row.value("layout"), error = row.text("error");
        const QString name = row.values("name").value(0, "a.esc");
        QString after = row.value("after");
        QTemporaryDir dir;
        const QString path = dir.filePath(name), other = dir.filePath("b.esc");
        if (layout == "link" || layout == "dangling") {
            if (layout == "link") {
                put(other, "old");
            }
            QVERIFY(QFile::link(layout == "link" ? "b.esc" : "gone.esc", path));
        } else if (layout == "folder") {
            QVERIFY(QDir(dir.path()).mkdir(name));
        } else if (layout == "fifo") {
            QVERIFY(makeFifo(path));
        } else if (!layout.isEmpty()) {
            put(path, "old");
        }
        QVERIFY(layout != "hard link" || hardLink(path, other));
        QVERIFY(layout != "read-only" || QFile::setPermissions(path, QFile::ReadOwner));
        const QFile::Permissions mode = QFileInfo(path).permissions();
        QVERIFY(layout != "read-only folder" ||
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        QString why;

        const bool saved = [&] {
            const AsAnyUser asAnyUser;
            return replaceFileContents(path, "new", &why);
        }();

        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(saved ? QString() : why, error);
        if (layout == "hard link" && onThisSystem(false, true)) {
            QEXPECT_FAIL("", "Windows' save replaces the file whole: its other name keeps the old",
                         Abort);
        }
        QCOMPARE(listing(dir.path()), after.replace("NAME", name));
        QVERIFY(layout.isEmpty() || QFileInfo(path).permissions() == mode);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    // Given what stands at a name (data/contract/regular-reads.txt), when it is read with a limit
    // of 4 bytes, then only a regular file within the limit is read, and nothing waits on a device.
    void onlyARegularFileWithinItsLimitIsRead_data() {
        addDataRows("row", TEST_DATA "/contract/regular-reads.txt");
    }
    void onlyARegularFileWithinItsLimitIsRead() {
        QFETCH(DataRow, row);
        const QString layout = row.text("layout"), read = row.value("read");
        QTemporaryDir dir;
        QString path = dir.filePath("a.esc");
        if (layout == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (layout.startsWith("abc")) {
            put(path, layout.toUtf8());
        } else {
            path = layout;
        }
        QByteArray bytes;

        const bool whole = readRegularFile(path, 4, [&bytes](const char* piece, qsizetype size) {
            bytes.append(piece, size);
            return bytes.size() < 1000;
        });

        QCOMPARE(whole ? QString::fromUtf8(bytes) : QString("refused"), read);
    }
};

QTEST_GUILESS_MAIN(ContractRegularFiles)
#include "ContractRegularFiles.moc"
