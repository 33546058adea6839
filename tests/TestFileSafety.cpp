#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "files/RegularFiles.h"
#include "support/FormFixture.h"
#include "support/SmallDisk.h"
#include "support/WithoutFileOverride.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

QString saveFailed(const QString& path, const QString& reason) {
    return QStringLiteral("The settings could not be saved to %1:\r\n%2").arg(path, reason);
}

void put(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
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

}  // namespace

// What Linux alone can show of a save (what every system shows is ContractRegularFiles'): a full
// disk, and a save killed mid-way.
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

        FormFixture f(FormFixture::Start::Loaded);
        for (const QString& path : {old, fresh}) {
            const WithoutFileOverride asAnyUser;
            f.dialogs.nextFileName(path);
            f.form.SaveSettingsFile();
        }

        QCOMPARE(f.dialogs.texts(), QStringList({saveFailed(old, "No space left on device"),
                                                 saveFailed(fresh, "No space left on device")}));
        QCOMPARE(listing(disk.path()), before);
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
