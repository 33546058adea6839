#include <QMap>
#include <QtTest>

#include "about/SystemInformation.h"
#include "support/ScriptedDialogs.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// Registry values by "key\value name"; records every key opened and closed.
class MapRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type;
        QByteArray data;
    };
    void set(const QString& key, const QString& name, Value value) {
        keys_.insert(key, keys_.size() + 1);
        values_.insert(key + '\\' + name, value);
    }
    std::optional<Key> open(std::uint32_t root, const QString& path,
                            std::uint32_t access) override {
        accesses << access;
        if (root != LocalMachine || !keys_.contains(path)) {
            return std::nullopt;
        }
        opened_.insert(keys_.value(path), path);
        return keys_.value(path);
    }
    bool query(Key key, const QString& name, int capacity, std::uint32_t* type,
               QByteArray* data) override {
        const QString full = opened_.value(key) + '\\' + name;
        if (!values_.contains(full)) {
            return false;
        }
        *type = values_[full].type;
        *data = values_[full].data.left(capacity);
        return true;
    }
    void close(std::optional<Key> key) override { closes << key.value_or(-1); }

    QList<std::uint32_t> accesses;
    QList<int> closes;

private:
    QMap<QString, int> keys_;
    QMap<int, QString> opened_;
    QMap<QString, Value> values_;
};

class RecordingLauncher : public Launcher {
public:
    bool fileExists(const QString& path) const override { return files.contains(path); }
    QString findProgram(const QString& name) const override {
        return onPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    }
    bool start(const QString& program) override {
        started << program;
        return startWorks;
    }

    QStringList files;
    QStringList onPath;
    QStringList started;
    bool startWorks = true;
};

const QString Msinfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString Location = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString Unavailable = QStringLiteral("此时系统信息不可用");

}  // namespace

class TestSystemInformation : public QObject {
    Q_OBJECT
private slots:
    void keyValuesAreReadByType() {
        MapRegistry registry;
        registry.set("K", "text", {1, QByteArray("C:\\Tools\\info.exe\0", 18)});
        registry.set("K", "number", {4, QByteArray("\x2a\x01\0\0", 4)});
        registry.set("K", "binary", {3, QByteArray("\x01\x02", 2)});
        QString value = QStringLiteral("kept");

        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, "K", "text", value));
        QCOMPARE(value, QStringLiteral("C:\\Tools\\info.exe"));
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, "K", "number", value));
        QCOMPARE(value, QStringLiteral("298"));
        QVERIFY(GetKeyValue(registry, Registry::LocalMachine, "K", "binary", value));
        QCOMPARE(value, QStringLiteral("298"));
        QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, "K", "missing", value));
        QCOMPARE(value, QString());
        QVERIFY(!GetKeyValue(registry, Registry::LocalMachine, "Nope", "text", value));
        QCOMPARE(registry.accesses, QList<std::uint32_t>(5, 0x2003F));
        QCOMPARE(registry.closes.size(), 5);
    }

    void theFirstSourceNamesTheToolItself() {
        MapRegistry registry;
        registry.set(Msinfo, "PATH", {1, "C:\\msinfo32.exe"});
        RecordingLauncher launcher;
        ScriptedDialogs dialogs;
        StartSysInfo(registry, launcher, dialogs);
        QCOMPARE(launcher.started, QStringList({"C:\\msinfo32.exe"}));
        QVERIFY(dialogs.shown().isEmpty());
    }

    void theSecondSourceNamesItsFolder() {
        MapRegistry registry;
        registry.set(Location, "MSINFO", {1, "C:\\Info"});
        RecordingLauncher launcher;
        ScriptedDialogs dialogs;
        StartSysInfo(registry, launcher, dialogs);
        QCOMPARE(dialogs.texts(), QStringList({Unavailable}));

        launcher.files << QStringLiteral("C:\\Info\\MSINFO32.EXE");
        StartSysInfo(registry, launcher, dialogs);
        QCOMPARE(launcher.started, QStringList({"C:\\Info\\MSINFO32.EXE"}));
    }

    void withoutARegistryAWellKnownProgramOnPathIsStarted() {
        NoRegistry registry;
        RecordingLauncher launcher;
        launcher.onPath << QStringLiteral("kinfocenter") << QStringLiteral("hardinfo");
        ScriptedDialogs dialogs;
        StartSysInfo(registry, launcher, dialogs);
        QCOMPARE(launcher.started, QStringList({"/usr/bin/hardinfo"}));
        QVERIFY(dialogs.shown().isEmpty());
    }

    void nothingToStartOrAFailedStartSaysSo() {
        NoRegistry registry;
        RecordingLauncher launcher;
        ScriptedDialogs dialogs;
        StartSysInfo(registry, launcher, dialogs);
        QVERIFY(launcher.started.isEmpty());

        launcher.onPath << QStringLiteral("hardinfo2");
        launcher.startWorks = false;
        StartSysInfo(registry, launcher, dialogs);
        QCOMPARE(dialogs.texts(), QStringList({Unavailable, Unavailable}));
        QCOMPARE(dialogs.shown().first().icon, Dialogs::Icon::None);
    }

    void theDialogNamesTheProgramAndItsVersion() {
        QCOMPARE(aboutCaption(), QStringLiteral("关于 Rotaline"));
        QCOMPARE(aboutVersion(), QStringLiteral("版本 1.0.0"));
    }
};

QTEST_GUILESS_MAIN(TestSystemInformation)
#include "TestSystemInformation.moc"
