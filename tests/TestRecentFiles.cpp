#include <QTemporaryDir>
#include <QtTest>

#include "platform/QSettingsStore.h"
#include "support/FormFixture.h"
#include "support/WithoutFileOverride.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// Opens a file by name, or by choosing "recent entry N" from the File menu. No file is there,
// so each open ends in the not-found message.
void open(MainForm& form, ScriptedDialogs& dialogs, const QString& path) {
    if (path.startsWith(QStringLiteral("recent entry "))) {
        form.controls().mnuFileMRU[path.back().digitValue()]->click();
    } else {
        dialogs.nextFileName(path);
        form.mnuOpen_Click();
    }
    QCOMPARE(dialogs.texts(), QStringList({"File is not found or file is error!"}));
    dialogs.clear();
}

// The entries the File menu shows from its recent-file separator on.
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
    // Each step opens a file, or chooses an entry of the menu, and the menu shows then.
    void theNewestFileComesFirstAndStandsInTheListOnce() {
        const QList<QPair<QString, QString>> steps = {
            {"/a.esc", "- | &1 /a.esc"},
            {"/b.esc", "- | &1 /b.esc | &2 /a.esc"},
            {"/c.esc", "- | &1 /c.esc | &2 /b.esc | &3 /a.esc"},
            {"/d.esc", "- | &1 /d.esc | &2 /c.esc | &3 /b.esc | &4 /a.esc"},
            {"/e.esc", "- | &1 /e.esc | &2 /d.esc | &3 /c.esc | &4 /b.esc"},
            {"/c.esc", "- | &1 /c.esc | &2 /e.esc | &3 /d.esc | &4 /b.esc"},
            {"/C.esc", "- | &1 /C.esc | &2 /c.esc | &3 /e.esc | &4 /d.esc"},
            {"recent entry 3", "- | &1 /e.esc | &2 /C.esc | &3 /c.esc | &4 /d.esc"},
        };
        FormFixture f(FormFixture::Start::Loaded);
        for (const auto& [path, expected] : steps) {
            open(f.form, f.dialogs, path);
            QCOMPARE(menu(f.form), expected);
        }
        QVERIFY(f.controls.mnuFileMRU[1]->captionHasAccessKeys());
    }

    // Another instance may write the store at any time: a change starts from what it wrote.
    // One that cannot be locked or written still takes the change for this run.
    void theListIsKeptInTheUsersStore() {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("Rotaline")));
        QFile file(config.filePath(QStringLiteral("Rotaline/Rotaline.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Ports]\nCOM2=/dev/ttyACM0\n\n[Recent%20Files]\nRecentFile1=/home/a b.esc\n");
        file.close();
        FakeSerialPort port;
        ProgrammingLink link(port);
        ScriptedDialogs dialogs;
        QSettingsStore store;
        MainForm form(link, dialogs, store);
        form.Form_Load();
        QCOMPARE(menu(form), "- | &1 /home/a b.esc");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[Ports]\nCOM2=/dev/ttyACM0\n\n[Recent%20Files]\nRecentFile1=/other.esc\n"
            "RecentFile2=/home/a b.esc\n");
        file.close();

        open(form, dialogs, QStringLiteral("/mine.esc"));

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[Ports]\nCOM2=/dev/ttyACM0\n\n[Recent%20Files]\n"
                                            "RecentFile1=/mine.esc\nRecentFile2=/other.esc\n"
                                            "RecentFile3=/home/a b.esc\n"));
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
