#include <QtTest>

#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

// What saving and loading do on the form is in the session transcripts; here, a save the
// system refuses: /proc takes no new file, from any user.
class TestSettingsFiles : public QObject {
    Q_OBJECT
private slots:
    void aSaveThatCannotBeWrittenSaysSoAndKeepsTheRecentList() {
        FormFixture f(FormFixture::Start::Loaded);
        f.dialogs.nextFileName(QStringLiteral("/proc/version"));

        f.form.SaveSettingsFile();

        QCOMPARE(f.dialogs.shown().size(), 1);
        QVERIFY2(f.dialogs.texts().first().startsWith(
                     QStringLiteral("The settings could not be saved to /proc/version:\r\n")),
                 qPrintable(f.dialogs.texts().first()));
        QCOMPARE(f.dialogs.shown().first().icon, Dialogs::Icon::None);
        QVERIFY(!f.controls.mnuFileMRU[0]->isVisible());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "TestSettingsFiles.moc"
