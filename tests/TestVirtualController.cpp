// What the controller decodes is pinned by TestProgramTool, which programs it.
#include <fcntl.h>
#include <unistd.h>

#include <QProcess>
#include <QtTest>

class TestVirtualController : public QObject {
    Q_OBJECT
private slots:
    void itAnswersAHandshakeAndEndsCleanlyOnTerm() {
        QProcess controller;
        controller.start(QStringLiteral(VIRTUAL_CONTROLLER), {"--reply", "OK"});
        QVERIFY(controller.waitForReadyRead(5000));
        const QByteArray path = controller.readLine().trimmed().split(' ').value(3);
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY2(fd >= 0, path.constData());

        QCOMPARE(::write(fd, "\xAA\x55", 2), ssize_t(2));

        QByteArray decoded;
        QTRY_COMPARE(decoded += controller.readAllStandardOutput(), "170 85  handshake\n");
        QByteArray reply;
        char byte = 0;
        QTRY_COMPARE((reply += ::read(fd, &byte, 1) == 1 ? QByteArray(1, byte) : ""), "OK");
        ::close(fd);
        controller.terminate();
        QVERIFY(controller.waitForFinished(5000));
        QCOMPARE(controller.exitCode(), 0);
    }

    void helpIsShownAndAWrongCallIsRefused() {
        QProcess run;
        run.start(QStringLiteral(VIRTUAL_CONTROLLER), {"--help"});
        QVERIFY(run.waitForFinished(5000));
        QCOMPARE(run.exitCode(), 0);
        QVERIFY(run.readAllStandardOutput().startsWith(
            "Usage: rotaline-virtual-controller [--reply TEXT]\n"));
        run.start(QStringLiteral(VIRTUAL_CONTROLLER), {"--reply"});
        QVERIFY(run.waitForFinished(5000));
        QCOMPARE(run.exitCode(), 2);
        QCOMPARE(run.readAllStandardOutput(), QByteArray());
        QVERIFY(run.readAllStandardError().startsWith("Usage:"));
    }
};

QTEST_GUILESS_MAIN(TestVirtualController)
#include "TestVirtualController.moc"
