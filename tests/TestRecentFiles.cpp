#include <QTemporaryDir>
#include <QtTest>

#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

QStringList menu(FormFixture& f) {
    QStringList captions;
    for (int i = 0; i <= 4; ++i) {
        const Control& entry = f.control(QStringLiteral("mnuFileMRU(%1)").arg(i));
        if (entry.isVisible()) {
            captions << entry.caption();
        }
    }
    return captions;
}

QStringList stored(const FormFixture& f) {
    QStringList files;
    for (int slot = 1; slot <= 4; ++slot) {
        files << f.settings.value("Recent Files", QStringLiteral("RecentFile%1").arg(slot));
    }
    return files;
}

// None of the paths names a file: each open ends in the not-found message.
void open(FormFixture& f, const QString& path) {
    f.dialogs.nextFileName(path);
    f.form.mnuOpen_Click();
    QCOMPARE(f.dialogs.texts(), QStringList({"File is not found or file is error!"}));
    f.dialogs.clear();
}

}  // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
private slots:
    void theFirstRunShowsNoRecentFiles() {
        FormFixture f(Start::Loaded);
        QVERIFY(menu(f).isEmpty());
    }

    void theNewestFileComesFirstAndTheFifthPushesOutTheOldest() {
        FormFixture f(Start::Loaded);
        for (const char* path : {"/a.esc", "/b.esc", "/c.esc", "/d.esc", "/e.esc"}) {
            open(f, QString::fromLatin1(path));
        }
        QCOMPARE(stored(f), QStringList({"/e.esc", "/d.esc", "/c.esc", "/b.esc"}));
        QCOMPARE(menu(f), QStringList({"-", "&1 /e.esc", "&2 /d.esc", "&3 /c.esc", "&4 /b.esc"}));
        QVERIFY(f.controls.mnuFileMRU[1]->captionHasAccessKeys());

        open(f, QStringLiteral("/c.esc"));
        QCOMPARE(stored(f), QStringList({"/c.esc", "/e.esc", "/d.esc", "/b.esc"}));
        QCOMPARE(menu(f), QStringList({"-", "&1 /c.esc", "&2 /e.esc", "&3 /d.esc", "&4 /b.esc"}));
    }

    void savingUnderTheSecondNameMovesItToTheTop() {
        QTemporaryDir dir;
        const QString second = dir.filePath(QStringLiteral("second.esc"));
        FormFixture f(Start::Loaded);
        for (const QString& path : {QStringLiteral("/w.esc"), QStringLiteral("/x.esc"), second,
                                    QStringLiteral("/y.esc")}) {
            open(f, path);
        }
        QCOMPARE(stored(f), QStringList({"/y.esc", second, "/x.esc", "/w.esc"}));
        f.dialogs.nextFileName(second);
        f.form.SaveSettingsFile();
        QCOMPARE(stored(f), QStringList({second, "/y.esc", "/x.esc", "/w.esc"}));
    }

    void pathsThatDifferInCaseAreTwoEntries() {
        FormFixture f(Start::Loaded);
        open(f, QStringLiteral("/Car.esc"));
        open(f, QStringLiteral("/car.esc"));
        QCOMPARE(menu(f), QStringList({"-", "&1 /car.esc", "&2 /Car.esc"}));
    }

    void choosingADeletedEntryReportsItAndMovesItToTheTop() {
        FormFixture f(Start::Loaded);
        open(f, QStringLiteral("/gone.esc"));
        open(f, QStringLiteral("/other.esc"));
        f.dialogs.clear();

        f.controls.mnuFileMRU[2]->click();

        QCOMPARE(f.dialogs.texts(), QStringList({"File is not found or file is error!"}));
        QCOMPARE(menu(f), QStringList({"-", "&1 /gone.esc", "&2 /other.esc"}));
        QCOMPARE(f.note(), QStringLiteral("Load File:/gone.esc\r\n"));
    }

    void twoInstancesShareOneListWithEveryFileOnce() {
        FormFixture first(Start::Loaded);
        open(first, QStringLiteral("/x.esc"));
        FakeSerialPort port;
        ProgrammingLink link(port);
        ScriptedDialogs dialogs;
        MainForm second(link, dialogs, first.settings);
        second.Form_Load();
        dialogs.nextFileName(QStringLiteral("/y.esc"));
        second.mnuOpen_Click();
        dialogs.clear();

        open(first, QStringLiteral("/x.esc"));
        QCOMPARE(stored(first), QStringList({"/x.esc", "/y.esc", "", ""}));
        QCOMPARE(menu(first), QStringList({"-", "&1 /x.esc", "&2 /y.esc"}));

        dialogs.nextFileName(QStringLiteral("/z.esc"));
        second.mnuOpen_Click();
        dialogs.clear();
        QCOMPARE(stored(first), QStringList({"/z.esc", "/x.esc", "/y.esc", ""}));
    }

    void theListIsReadAtStartUp() {
        FormFixture f;
        f.settings.setValue("Recent Files", "RecentFile1", "/one.esc");
        f.settings.setValue("Recent Files", "RecentFile2", "/two.esc");
        f.form.Form_Load();
        QCOMPARE(menu(f), QStringList({"-", "&1 /one.esc", "&2 /two.esc"}));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "TestRecentFiles.moc"
