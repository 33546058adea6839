#include <QtTest>

#include "about/SystemInformation.h"
#include "support/ScriptedDialogs.h"

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

class TestAbout : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestAbout)
#include "TestAbout.moc"
