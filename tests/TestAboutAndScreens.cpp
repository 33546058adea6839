#include <QtTest>
#include <QtWidgets>

#include "about/SystemInformation.h"
#include "support/ScriptedDialogs.h"
#include "ui/AboutDialog.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// A system whose path holds the programs `onPath`, which start when `startWorks`.
struct RecordingLauncher : Launcher {
    bool fileExists(const QString&) const override { return false; }
    QString findProgram(const QString& name) const override {
        return onPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    bool start(const QString& program) override {
        started << program;
        return startWorks;
    }
    QStringList onPath, started;
    bool startWorks = true;
};

}  // namespace

class TestAboutAndScreens : public QObject {
    Q_OBJECT
private slots:
    void aboutOpensOnceWithoutAnOwner() {
        int started = 0;
        AboutDialog* first = AboutDialog::showOnce([&] { ++started; });
        QCOMPARE(AboutDialog::showOnce([&] { ++started; }), first);
        QCOMPARE(first->parent(), nullptr);
        QCOMPARE(first->windowTitle() + ' ' + first->findChild<QLabel*>("lblVersion")->text(),
                 QStringLiteral("关于 Rotaline 版本 1.0.0"));
        first->findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(started, 1);

        QPointer<AboutDialog> closed(first);
        first->findChild<QPushButton*>("cmdOK")->click();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(AboutDialog::showOnce([] {}) != nullptr);
    }

    void screenshotsComeAtOneAndTwiceThePixelRatio() {
        QTemporaryDir out;
        for (const QStringList& scale : {QStringList(), QStringList{"--scale", "2"}}) {
            QProcess tool;
            tool.start(QStringLiteral(SCREENSHOT_TOOL), QStringList{out.path()} + scale);
            QVERIFY(tool.waitForFinished(60000));
            QCOMPARE(tool.exitCode(), 0);
        }
        QCOMPARE(QImageReader(out.filePath("chinese.png")).size().width(), 604);
        QCOMPARE(QImageReader(out.filePath("tab-car@2x.png")).size().width(), 1208);
    }

    // The first known program on the path starts; when none starts, a message says so.
    void systemInformationStartsTheFirstKnownToolOnThePath() {
        const auto run = [](const QStringList& onPath, bool startWorks) {
            NoRegistry registry;
            RecordingLauncher launcher;
            launcher.onPath = onPath;
            launcher.startWorks = startWorks;
            ScriptedDialogs dialogs;
            StartSysInfo(registry, launcher, dialogs);
            return (launcher.started + dialogs.texts()).join('|');
        };
        QCOMPARE(run({"kinfocenter", "hardinfo"}, true), QStringLiteral("/usr/bin/hardinfo"));
        QCOMPARE(run({}, true), QStringLiteral("此时系统信息不可用"));
        QCOMPARE(run({"hardinfo2"}, false),
                 QStringLiteral("/usr/bin/hardinfo2|此时系统信息不可用"));
    }
};

QTEST_MAIN(TestAboutAndScreens)
#include "TestAboutAndScreens.moc"
