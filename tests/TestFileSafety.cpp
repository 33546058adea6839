#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "platform/RegularFiles.h"
#include "support/FormFixture.h"
#include "support/SmallDisk.h"
#include "support/WithoutFileOverride.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

QString saveFailed(const QString& path, const QString& reason) {
    return QStringLiteral("The settings could not be saved to %1:\r\n%2").arg(path, reason);
}

void put(const QString& path, QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.setPermissions(mode));
    QCOMPARE(file.write("old settings\r\n"), 14);
}

// One line a name, with its kind and permissions, links and size (a symlink's is its target's
// name).
QString listing(const QString& folder) {
    QString text;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot)) {
        struct stat st {};
        ::lstat(QFile::encodeName(entry.filePath()).constData(), &st);
        text += QString::asprintf("%s %o %d links %lld bytes\n", qPrintable(entry.fileName()),
                                  unsigned(st.st_mode), int(st.st_nlink),
                                  static_cast<long long>(st.st_size));
    }
    return text;
}

// Saves the started-up settings to each path in turn, with file permissions in force as for
// any user, and gives the messages that showed.
QStringList saveTo(const QStringList& paths) {
    FormFixture f(FormFixture::Start::Loaded);
    WithoutFileOverride asAnyUser;
    for (const QString& path : paths) {
        f.dialogs.nextFileName(path);
        f.form.SaveSettingsFile();
    }
    return f.dialogs.texts();
}

}  // namespace

class TestFileSafety : public QObject {
    Q_OBJECT
private slots:
    void aFullDiskKeepsTheOldFileAndSaysWhy() {
        SmallDisk disk;
        if (!disk.isMounted()) {
            QSKIP("only the superuser can mount a small filesystem");
        }
        const QString old = disk.filePath(QStringLiteral("old.esc"));
        const QString fresh = disk.filePath(QStringLiteral("new.esc"));
        put(old);
        disk.fill();
        const QString before = listing(disk.path());

        QCOMPARE(saveTo({old, fresh}), QStringList({saveFailed(old, "No space left on device"),
                                                    saveFailed(fresh, "No space left on device")}));
        QCOMPARE(listing(disk.path()), before);
    }

    // A symlink stays a symlink, a file keeps its permissions, and a file with a second name
    // is written over in place so that both names hold the new settings. A name as long as the
    // filesystem takes is saved too.
    void aSaveWritesTheFileItselfAndKeepsWhatPointsToIt() {
        QTemporaryDir dir;
        put(dir.filePath("target.esc"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QVERIFY(::symlink("target.esc", QFile::encodeName(dir.filePath("link.esc")).constData()) ==
                0);
        put(dir.filePath("one.esc"));
        QVERIFY(::link(QFile::encodeName(dir.filePath("one.esc")),
                       QFile::encodeName(dir.filePath("two.esc"))) == 0);
        const QString longName = QString(251, 'l') + ".esc";
        put(dir.filePath(longName));

        QCOMPARE(
            saveTo({dir.filePath("link.esc"), dir.filePath("one.esc"), dir.filePath(longName)}),
            QStringList());

        QCOMPARE(listing(dir.path()), "link.esc 120777 1 links 10 bytes\n" + longName +
                                          " 100600 1 links 205 bytes\n"
                                          "one.esc 100600 2 links 205 bytes\n"
                                          "target.esc 100640 1 links 205 bytes\n"
                                          "two.esc 100600 2 links 205 bytes\n");
    }

    // Without the right to make a file beside it, a writable file is written over in place.
    void aWritableFileInAReadOnlyFolderIsSavedInPlace() {
        QTemporaryDir dir;
        put(dir.filePath("settings.esc"));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const QStringList texts = saveTo({dir.filePath("settings.esc")});
        QVERIFY(QFile::setPermissions(dir.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        QCOMPARE(texts, QStringList());
        QCOMPARE(listing(dir.path()), QStringLiteral("settings.esc 100600 1 links 205 bytes\n"));
    }

    // A device is not read without end; a fifo is not written into; a dangling symlink is not
    // followed to make a file; a read-only file stays as it is, also for the superuser.
    void whatIsNotARegularFileIsRefused() {
        FormFixture f(FormFixture::Start::Loaded);
        f.form.LoadSettingsFile(QStringLiteral("/dev/zero"));
        QCOMPARE(f.dialogs.texts(), QStringList({"File is not found or file is error!"}));
        QTemporaryDir dir;
        const QStringList paths = {dir.filePath("fifo.esc"), dir.filePath("folder.esc"),
                                   dir.filePath("dangling.esc"), dir.filePath("kept.esc")};
        QVERIFY(::mkfifo(QFile::encodeName(paths[0]).constData(), 0666) == 0);
        QVERIFY(QDir().mkdir(paths[1]));
        QVERIFY(::symlink("gone.esc", QFile::encodeName(paths[2]).constData()) == 0);
        put(paths[3], QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        const QString before = listing(dir.path());

        QCOMPARE(saveTo(paths), QStringList({saveFailed(paths[0], "It is not a regular file."),
                                             saveFailed(paths[1], "It is a folder."),
                                             saveFailed(paths[2], "No such file or directory"),
                                             saveFailed(paths[3], "It is read-only.")}));
        QCOMPARE(listing(dir.path()), before);
    }

    // A save killed mid-way (SIGKILL, as the system's OOM killer does) leaves its hidden copy
    // beside the old file; the next start removes it, and keeps a copy a running save holds
    // and the hidden files of other programs (rsync's among them, of the same shape).
    void aSaveKilledMidWayLeavesOnlyTheOldFileOnTheNextStart() {
        QTemporaryDir dir;
        const QString old = dir.filePath("old.esc");
        put(old);
        for (const char* other : {".old.esc.bak", ".old.esc.backup", ".old.esc.201224"}) {
            put(dir.filePath(other));
        }
        QFile running(dir.filePath(".old.esc.rotaline-Run123"));
        QVERIFY(running.open(QIODevice::WriteOnly) && ::flock(running.handle(), LOCK_EX) == 0);
        const QString before = listing(dir.path());
        const pid_t saver = ::fork();
        if (saver == 0) {
            QString error;
            replaceFileContents(old, QByteArray(256 << 20, '0'), &error);
            ::_exit(0);
        }
        while (listing(dir.path()) == before) {  // until its copy is there
        }
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);

        FormFixture f(FormFixture::Start::Made);
        f.settings.setValue("Recent Files", "RecentFile1", old);
        f.form.Form_Load();

        QCOMPARE(listing(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "TestFileSafety.moc"
