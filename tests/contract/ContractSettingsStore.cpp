#include <QTemporaryDir>
#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/PortResolver.h"
#include "platform/QSettingsStore.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

// The variable that names the folder of the store's folder, and the file's name in it.
const char* const FolderVariable = onThisSystem("XDG_CONFIG_HOME", "APPDATA");
const QString FileName = onThisSystem(QString("Rotaline.conf"), QString("Rotaline.ini"));

}  // namespace

// What the settings store does on every system when its file or folder is not what it should
// be. CONF stands for the file, CONFIG for the folder the system names for settings.
class ContractSettingsStore : public QObject {
    Q_OBJECT
private slots:
    // A FIFO or a device would keep an open waiting for ever: it is never opened, nor taken as
    // a lock. The second change is made holding the store's own lock.
    void aStoreThatCannotBeReadOrKeptSaysWhyOnce_data() {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("told");  // at start (0) or at which change, what
        QTest::addColumn<QString>("com1");  // why COM1 cannot be read
        QTest::addColumn<QString>("notShown");
        const auto row = [](const char* name, const char* config, const QString& told,
                            const QString& com1, const QString& notShown = {}) {
            QTest::newRow(name) << config << told << com1 << notShown;
        };
        const auto unread = [&row](const char* name, const char* config, const char* reason,
                                   const QString& notShown = {}) {
            row(name, config, QString("0 unread CONF: ") + reason,
                QString("The settings file CONF cannot be read: ") + reason, notShown);
        };
        const QString noFifos = linuxOnly("Windows keeps no FIFOs among its files");
        const QString noModes =
            linuxOnly("Windows has no permission bits: its read-only mark binds no folder");
        row("well", "file", "", "");
        unread("a FIFO", "fifo", "It is not a regular file.", noFifos);
        unread("a folder", "folder", "It is a folder.");
        unread("larger than 64 KiB", "large", "It is larger than 64 KiB.");
        // Another program puts one in the file's place while a change is made.
        row("a FIFO put in place during a change", "fifo later",
            "2 not kept CONF: It is not a regular file.", "", noFifos);
        row("a FIFO as its lock", ".update-lock",
            "1 not kept CONF.update-lock: It is not a regular file.", "", noFifos);
        row("a FIFO as the lock of an older version", ".lock", "", "", noFifos);
        unread("unreadable", "mode 0", "Permission denied", noModes);
        row("a comma in the value", "comma", "",
            "In the settings file CONF, COM1 holds a comma outside quotes, so it is no single "
            "value.");
        row("read-only folder", "read-only", "1 not kept CONF: Permission denied", "", noModes);
        row("read-only, without its folder", "read-only home", "1 not kept CONF: Permission denied",
            "", noModes);
        row("CONFIG a file", "xdg file",
            onThisSystem("1 not kept CONF: Not a directory",
                         "1 not kept CONF: The file could not be written."),
            "");
        row("no folder named", "no home",
            onThisSystem("1 not kept $HOME/.config/Rotaline/Rotaline.conf: HOME is not set, so "
                         "there is no folder for settings.",
                         "1 not kept %APPDATA%\\Rotaline\\Rotaline.ini: APPDATA is not set, so "
                         "there is no folder for settings."),
            "");
    }
    void aStoreThatCannotBeReadOrKeptSaysWhyOnce() {
        QFETCH(QString, config);
        QFETCH(QString, told);
        QFETCH(QString, com1);
        QFETCH(QString, notShown);
        SKIP_WHERE_NOT_SHOWN(notShown);
        QTemporaryDir home;
        const QString xdgHome = home.filePath(config == "xdg file" ? "file" : "config");
        const QString folder = xdgHome + "/Rotaline";
        const QString conf = folder + '/' + FileName;
        QFile file(config == "xdg file" ? xdgHome : conf);
        QVERIFY(config == "xdg file" ||
                QDir().mkpath(config == "read-only home" ? xdgHome : folder));
        if (config == "read-only home") {
            QFile::setPermissions(xdgHome, QFile::ReadOwner | QFile::ExeOwner);
        } else if (config == "fifo") {
            QVERIFY(makeFifo(conf));
        } else if (config == "folder") {
            QVERIFY(QDir().mkpath(conf));
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(config == "comma" ? "[Ports]\nCOM1=/dev/pts/1,x\n" : "[Ports]\n");
            QVERIFY(config != "large" || file.resize(64 * 1024 + 1));
            file.close();
            QVERIFY(!config.startsWith('.') || makeFifo(conf + config));
            file.setPermissions(config == "mode 0" ? QFile::Permissions()
                                                   : QFile::ReadOwner | QFile::WriteOwner);
            QFile::setPermissions(folder,
                                  config == "read-only"
                                      ? QFile::ReadOwner | QFile::ExeOwner
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray oldHome = qgetenv("HOME"), oldXdg = qgetenv(FolderVariable);
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            qputenv(FolderVariable, oldXdg);
        });
        if (config == "no home") {
            qunsetenv("HOME");
            qunsetenv(FolderVariable);
        } else {
            qputenv(FolderVariable, QFile::encodeName(QDir::toNativeSeparators(xdgHome)));
        }
        AsAnyUser asAnyUser;
        const QString wasThere = QFileInfo("/.config/Rotaline").exists() ? "there" : "";

        QSettingsStore store;
        QStringList heard;
        int changes = 0;
        store.onTrouble([&](const StoreTrouble& trouble) {
            heard << QStringLiteral("%1 %2 %3: %4")
                         .arg(changes)
                         .arg(trouble.unread ? "unread" : "not kept", trouble.file, trouble.reason);
        });
        changes = 1;
        store.setValue("Recent Files", "RecentFile1", "/1.esc");
        changes = 2;
        store.exclusively([&] {
            store.setValue("Recent Files", "RecentFile1", "/2.esc");
            QVERIFY(config != "fifo later" || (QFile::remove(conf) && makeFifo(conf)));
        });

        QCOMPARE(heard.join("\n"), told.replace("CONF", conf));
        QCOMPARE(PortResolver(store).assignmentOf(1).unreadable,
                 com1.replace("CONF", QDir::toNativeSeparators(conf)));
        QCOMPARE(store.value("Recent Files", "RecentFile1"), QStringLiteral("/2.esc"));
        QCOMPARE(QFileInfo("/.config/Rotaline").exists() ? "there" : "", wasThere);
        QVERIFY(config != "fifo later" || (QFileInfo(conf).exists() && !QFileInfo(conf).isFile()));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(xdgHome, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(ContractSettingsStore)
#include "ContractSettingsStore.moc"
