#include <QTemporaryDir>
#include <QtTest>

#include "contract/ThisSystem.h"
#include "platform/PortResolver.h"
#include "platform/QSettingsStore.h"
#include "support/DataFile.h"

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
    // a lock. The second change is made holding the store's own lock. The rows:
    // data/contract/settings-store.txt.
    void aStoreThatCannotBeReadOrKeptSaysWhyOnce_data() {
        addDataRows("row", TEST_DATA "/contract/settings-store.txt");
    }
    void aStoreThatCannotBeReadOrKeptSaysWhyOnce() {
        QFETCH(DataRow, row);
        SKIP_WHERE_NOT_SHOWN(linuxOnly(qPrintable(row.value("linux-only"))));
        const QString config = row.value("config");
        QString told = row.text("told"), com1 = row.text("com1");
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
