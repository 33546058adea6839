#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/RegularFiles.h"

using namespace rotaline;
using namespace rotaline::testing;

// Saving and reading a user's file on every system: only a regular file is read or written, a
// save keeps what points to the file, and a failed one keeps the old file as it was.
class ContractRegularFiles : public QObject {
    Q_OBJECT
private slots:
    // Given what stands at a name (NAME in the listing), when "new" is saved to it, then it is
    // saved or refused with the reason, and the folder holds what the listing says: no copy
    // left behind, links kept, the file's permissions as they were.
    void aSaveReplacesOnlyAWritableRegularFile_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");  // "" when saved
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("notShown");
        const auto row = [](const char* tag, const char* layout, const QString& error,
                            const char* after, const QString& notShown = {},
                            const QString& name = "a.esc") {
            QTest::newRow(tag) << layout << name << error << after << notShown;
        };
        const QString noLinks = linuxOnly("a symbolic link takes a privilege on Windows");
        row("none yet", "", "", "NAME=new");
        row("a file", "file", "", "NAME=new");
        row("a name as long as a folder takes", "file", "", "NAME=new", {},
            QString(251, 'l') + ".esc");
        row("a file with a second name", "hard link", "", "NAME=new b.esc=new");
        row("a read-only file", "read-only", "It is read-only.", "NAME=old");
        row("a folder", "folder", "It is a folder.", "NAME/");
        row("a symbolic link", "link", "", "NAME->b.esc b.esc=new", noLinks);
        row("a dangling symbolic link", "dangling", "No such file or directory", "NAME->gone.esc",
            noLinks);
        row("a FIFO", "fifo", "It is not a regular file.", "NAME|",
            linuxOnly("Windows keeps no FIFOs among its files"));
        row("a writable file in a read-only folder", "read-only folder", "", "NAME=new",
            linuxOnly("Windows has no permission bits: its read-only mark binds no folder"));
    }
    void aSaveReplacesOnlyAWritableRegularFile() {
        QFETCH(QString, layout);
        QFETCH(QString, name);
        QFETCH(QString, error);
        QFETCH(QString, after);
        QFETCH(QString, notShown);
        SKIP_WHERE_NOT_SHOWN(notShown);
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

    // Given what stands at a name, when it is read with a limit of 4 bytes, then only a regular
    // file within the limit is read, and nothing waits on a device.
    void onlyARegularFileWithinItsLimitIsRead_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("read");  // "refused" when it was not read
        QTest::newRow("a file") << "abcd"
                                << "abcd";
        QTest::newRow("longer than its limit") << "abcde"
                                               << "refused";
        QTest::newRow("a folder") << "folder"
                                  << "refused";
        QTest::newRow("a device without end") << onThisSystem("/dev/zero", "NUL") << "refused";
    }
    void onlyARegularFileWithinItsLimitIsRead() {
        QFETCH(QString, layout);
        QFETCH(QString, read);
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
