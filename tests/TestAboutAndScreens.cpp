#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "about/SystemInformation.h"
#include "support/ScriptedDialogs.h"
#include "ui/AboutDialog.h"

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

class TestAboutAndScreens : public QObject {
    Q_OBJECT
private slots:
    void aboutOpensOnceWithoutAnOwner() {
        int started = 0;
        AboutDialog* first = AboutDialog::showOnce([&] { ++started; });
        AboutDialog* second = AboutDialog::showOnce([&] { ++started; });
        QCOMPARE(first, second);
        QCOMPARE(first->parent(), nullptr);
        QCOMPARE(first->windowTitle(), QStringLiteral("关于 Rotaline"));
        QCOMPARE(first->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("版本 1.0.0"));
        QCOMPARE(first->findChild<QPushButton*>("cmdSysInfo")->text(),
                 QStringLiteral("系统信息(&S)..."));
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
        const QStringList shots = QDir(out.path()).entryList({"*.png"});
        QCOMPARE(shots.size(), 12);
        QCOMPARE(QImageReader(out.filePath("chinese.png")).size().width(), 604);
        QCOMPARE(QImageReader(out.filePath("tab-car@2x.png")).size().width(), 1208);
    }

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

    // The tool named in the registry, or found in the folder it names, or else a well-known
    // program on the path; when there is none or it fails to start, a message says so.
    void systemInformationStartsWhatItFinds_data() {
        QTest::addColumn<QString>("tool");    // in the first registry source
        QTest::addColumn<QString>("folder");  // in the second
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailable");
        const QStringList none;
        QTest::newRow("tool named")
            << "C:\\msinfo32.exe"
            << "" << none << none << true << QStringList{"C:\\msinfo32.exe"} << false;
        QTest::newRow("folder named") << ""
                                      << "C:\\Info" << QStringList{"C:\\Info\\MSINFO32.EXE"} << none
                                      << true << QStringList{"C:\\Info\\MSINFO32.EXE"} << false;
        QTest::newRow("named folder without the tool")
            << ""
            << "C:\\Info" << none << none << true << none << true;
        QTest::newRow("program on the path") << ""
                                             << "" << none << QStringList{"kinfocenter", "hardinfo"}
                                             << true << QStringList{"/usr/bin/hardinfo"} << false;
        QTest::newRow("nothing to start") << ""
                                          << "" << none << none << true << none << true;
        QTest::newRow("failed start") << ""
                                      << "" << none << QStringList{"hardinfo2"} << false
                                      << QStringList{"/usr/bin/hardinfo2"} << true;
    }
    void systemInformationStartsWhatItFinds() {
        QFETCH(QString, tool);
        QFETCH(QString, folder);
        QFETCH(QStringList, files);
        QFETCH(QStringList, onPath);
        QFETCH(bool, startWorks);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);
        MapRegistry map;
        NoRegistry none;
        if (!tool.isEmpty()) {
            map.set(Msinfo, "PATH", {1, tool.toLatin1()});
        }
        if (!folder.isEmpty()) {
            map.set(Location, "MSINFO", {1, folder.toLatin1()});
        }
        RecordingLauncher launcher;
        launcher.files = files;
        launcher.onPath = onPath;
        launcher.startWorks = startWorks;
        ScriptedDialogs dialogs;

        StartSysInfo(tool.isEmpty() && folder.isEmpty() ? static_cast<Registry&>(none) : map,
                     launcher, dialogs);

        QCOMPARE(launcher.started, started);
        QCOMPARE(dialogs.texts(), unavailable ? QStringList{Unavailable} : QStringList());
        if (unavailable) {
            QCOMPARE(dialogs.shown().first().icon, Dialogs::Icon::None);
        }
    }
};

QTEST_MAIN(TestAboutAndScreens)
#include "TestAboutAndScreens.moc"
