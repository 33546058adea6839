#include <QtTest>

#include "support/FormFixture.h"
#include "support/UnwritableFolder.h"

using namespace rotaline;
using namespace rotaline::testing;

using Start = FormFixture::Start;

class TestSettingsFiles : public QObject {
    Q_OBJECT
private slots:
    void aSaveThatCannotBeWrittenSaysSoAndKeepsTheRecentList() {
        UnwritableFolder folder;
        const QByteArray before = folder.oldContent();
        FormFixture f(Start::Loaded);
        f.dialogs.nextFileName(folder.oldFile());

        f.form.SaveSettingsFile();

        QCOMPARE(f.dialogs.shown().size(), 1);
        QVERIFY(f.dialogs.texts().first().startsWith(
            QStringLiteral("The settings could not be saved to ") + folder.oldFile()));
        QCOMPARE(f.dialogs.shown().first().icon, Dialogs::Icon::None);
        QCOMPARE(folder.oldContent(), before);
        QVERIFY(!f.controls.mnuFileMRU[0]->isVisible());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "TestSettingsFiles.moc"
