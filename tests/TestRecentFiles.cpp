#include <QTemporaryDir>
#include <QtTest>

#include "platform/QSettingsStore.h"
#include "support/FormFixture.h"
#include "support/WithoutFileOverride.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// Opens a file by name. No file is there, so each open ends in the not-found message.
void open(MainForm& form, ScriptedDialogs& dialogs, const QString& path) {
    dialogs.nextFileName(path);
    form.mnuOpen_Click();
    QCOMPARE(dialogs.texts(), QStringList({"File is not found or file is error!"}));
    dialogs.clear();
}

// The entries the File menu shows (how it orders them: the session transcripts) from its
// recent-file separator on.
QString menu(MainForm& form) {
    QStringList captions;
    for (const auto& entry : form.controls().mnuFileMRU) {
        if (entry->isVisible()) {
            captions << entry->caption();
        }
    }
    return captions.join(" | ");
}

}  // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
private slots:
    // Another instance may write the store at any time: a change starts from what it wrote.
    // One that cannot be written still takes the change for this run.
    void theListIsKeptInTheUsersStore() {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("Rotaline")));
        QFile file(config.filePath(QStringLiteral("Rotaline/Rotaline.conf")));
        const QByteArray ports = "[Ports]\nCOM2=/dev/ttyACM0\n\n[Recent%20Files]\n";
        const auto write = [&file](const QByteArray& bytes) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
        };
        write(ports + "RecentFile1=/home/a b.esc\n");
        FakeSerialPort port;
        ProgrammingLink link(port);
        ScriptedDialogs dialogs;
        QSettingsStore store;
        MainForm form(link, dialogs, store);
        form.Form_Load();
        QCOMPARE(menu(form), "- | &1 /home/a b.esc");
        write(ports + "RecentFile1=/other.esc\nRecentFile2=/home/a b.esc\n");

        open(form, dialogs, QStringLiteral("/mine.esc"));

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ports +
                                     "RecentFile1=/mine.esc\nRecentFile2=/other.esc\n"
                                     "RecentFile3=/home/a b.esc\n");
        QVERIFY(QFile::setPermissions(QFileInfo(file).path(), QFile::ReadOwner | QFile::ExeOwner));
        {
            WithoutFileOverride asAnyUser;
            open(form, dialogs, QStringLiteral("/z.esc"));
        }
        QVERIFY(QFile::setPermissions(QFileInfo(file).path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(menu(form), "- | &1 /z.esc | &2 /mine.esc | &3 /other.esc | &4 /home/a b.esc");
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "TestRecentFiles.moc"
