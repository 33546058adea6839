#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "contract/ThisSystem.h"
#include "platform/RegularFiles.h"
#include "support/FormFixture.h"
#include "support/SmallDisk.h"

using namespace rotaline;
using namespace rotaline::testing;

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
        put(old, "old settings\r\n");
        disk.fill();
        const QString before = listing(disk.path());

        FormFixture f(FormFixture::Start::Loaded);
        for (const QString& path : {old, fresh}) {
            const WithoutFileOverride asAnyUser;
            f.dialogs.nextFileName(path);
            f.form.SaveSettingsFile();
        }

        const QString full = "The settings could not be saved to %1:\r\nNo space left on device";
        QCOMPARE(f.dialogs.texts(), QStringList({full.arg(old), full.arg(fresh)}));
        QCOMPARE(listing(disk.path()), before);
    }

    // A save killed mid-way (SIGKILL, as the system's OOM killer does) leaves its hidden copy
    // beside the old file; the next start removes it, and keeps a copy a running save holds
    // and the hidden files of other programs (rsync's among them, of the same shape).
    void aSaveKilledMidWayLeavesOnlyTheOldFileOnTheNextStart() {
        QTemporaryDir dir;
        const QString old = dir.filePath("old.esc");
        put(old, "old settings\r\n");
        for (const char* other : {".old.esc.bak", ".old.esc.backup", ".old.esc.201224"}) {
            put(dir.filePath(other), "old settings\r\n");
        }
        QFile running(dir.filePath(".old.esc.rotaline-Run123"));
        QVERIFY(running.open(QIODevice::WriteOnly) && ::flock(running.handle(), LOCK_EX) == 0);
        const QString before = listing(dir.path());
        const pid_t saver = ::fork();
        QVERIFY(saver >= 0);  // kill(-1) below would signal every process we may signal
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
