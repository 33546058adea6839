#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FormFixture.h"
#include "support/SmallDisk.h"
#include "support/WithoutFileOverride.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

using Start = FormFixture::Start;

const QString Damaged = QStringLiteral("File is not found or file is error!");
const QByteArray Old = "old settings, kept byte for byte\r\n";

QString saveFailed(const QString& path, const QString& reason) {
    return QStringLiteral("The settings could not be saved to %1:\r\n%2").arg(path, reason);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// What a save must not change: the kind of the node and its identity.
QString nodeOf(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        return QStringLiteral("absent");
    }
    return QStringLiteral("mode %1 inode %2 device %3")
        .arg(st.st_mode, 0, 8)
        .arg(st.st_ino)
        .arg(st.st_rdev);
}

// Makes a node of the given kind at `path`; false when this system does not let us.
bool makeSpecial(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == "fifo") {
        return ::mkfifo(name.constData(), 0666) == 0;
    }
    if (kind == "device") {
        return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    }
    if (kind == "folder") {
        return QDir().mkdir(path);
    }
    if (kind == "symlink loop") {
        return ::symlink(name.constData(), name.constData()) == 0;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

}  // namespace

class TestFileSafety : public QObject {
    Q_OBJECT
private slots:
    void aFullDiskKeepsTheOldFileAndSaysWhy_data() {
        QTest::addColumn<QString>("existing");
        QTest::newRow("lone file") << QStringLiteral("lone");
        QTest::newRow("file with a second link") << QStringLiteral("linked");
        QTest::newRow("new name") << QString();
    }
    void aFullDiskKeepsTheOldFileAndSaysWhy() {
        QFETCH(QString, existing);
        SmallDisk disk;
        if (!disk.isMounted()) {
            QSKIP("only the superuser can mount a small filesystem");
        }
        const QString path = disk.filePath(QStringLiteral("settings.esc"));
        if (!existing.isEmpty()) {
            put(path, Old);
        }
        if (existing == "linked") {
            QVERIFY(::link(QFile::encodeName(path), QFile::encodeName(path + ".bak")) == 0);
        }
        disk.fill();
        const QStringList before = namesIn(disk.path());
        FormFixture f(Start::Loaded);
        f.dialogs.nextFileName(path);

        f.form.SaveSettingsFile();

        QCOMPARE(f.dialogs.texts(),
                 QStringList({saveFailed(path, QStringLiteral("No space left on device"))}));
        QCOMPARE(f.dialogs.shown().first().icon, Dialogs::Icon::None);
        QCOMPARE(contentOf(path), existing.isEmpty() ? QByteArray("(none)") : Old);
        QCOMPARE(namesIn(disk.path()), before);
        QVERIFY(!f.controls.mnuFileMRU[0]->isVisible());

        disk.release();
        f.dialogs.nextFileName(path);
        f.form.SaveSettingsFile();
        QCOMPARE(f.dialogs.texts().size(), 1);
        QCOMPARE(contentOf(path).size(), 205);
        if (existing == "linked") {
            QCOMPARE(contentOf(path + ".bak"), contentOf(path));
        }
    }

    void aSaveWritesTheFileItselfAndKeepsWhatPointsToIt() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target.esc"));
        const QString viaLink = dir.filePath(QStringLiteral("link.esc"));
        const QString secondName = dir.filePath(QStringLiteral("second.esc"));
        put(target, Old);
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link(target, viaLink));
        QVERIFY(::link(QFile::encodeName(target), QFile::encodeName(secondName)) == 0);
        const QString linkNode = nodeOf(viaLink);
        const QString targetNode = nodeOf(target);
        FormFixture f(Start::Loaded);
        f.dialogs.nextFileName(viaLink);

        f.form.SaveSettingsFile();

        QVERIFY(f.dialogs.shown().isEmpty());
        QCOMPARE(contentOf(target).size(), 205);
        QCOMPARE(contentOf(secondName), contentOf(target));
        QCOMPARE(nodeOf(viaLink), linkNode);
        QCOMPARE(nodeOf(target), targetNode);
        QCOMPARE(f.controls.mnuFileMRU[1]->caption(), QStringLiteral("&1 ") + viaLink);
        QCOMPARE(namesIn(dir.path()), QStringList({"link.esc", "second.esc", "target.esc"}));
    }

    void aWritableFileInAReadOnlyFolderIsSavedInPlace() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.esc"));
        put(path, Old);
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        FormFixture f(Start::Loaded);
        f.dialogs.nextFileName(path);
        {
            WithoutFileOverride asAnyUser;
            f.form.SaveSettingsFile();
        }
        QVERIFY(QFile::setPermissions(dir.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        QVERIFY(f.dialogs.shown().isEmpty());
        QCOMPARE(contentOf(path).size(), 205);
        QCOMPARE(namesIn(dir.path()), QStringList({"settings.esc"}));
    }

    void whatIsNotARegularFileIsRefusedWithoutWaiting_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fifo") << "fifo"
                              << "It is not a regular file.";
        QTest::newRow("device") << "device"
                                << "It is not a regular file.";
        QTest::newRow("socket") << "socket"
                                << "It is not a regular file.";
        QTest::newRow("folder") << "folder"
                                << "Is a directory";
        QTest::newRow("symlink loop") << "symlink loop"
                                      << "Too many levels of symbolic links";
    }
    void whatIsNotARegularFileIsRefusedWithoutWaiting() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("special.esc"));
        if (!makeSpecial(kind, path)) {
            QSKIP("this system does not let us make one");
        }
        const QString node = nodeOf(path);
        FormFixture f(Start::Loaded);
        f.dialogs.nextFileName(path);
        f.dialogs.nextFileName(path);

        f.form.mnuOpen_Click();
        f.form.SaveSettingsFile();

        QCOMPARE(f.dialogs.texts(), QStringList({Damaged, saveFailed(path, reason)}));
        QCOMPARE(nodeOf(path), node);
        QCOMPARE(namesIn(dir.path()), QStringList({"special.esc"}));
        QVERIFY(f.port.log().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "TestFileSafety.moc"
