// What the controller decodes is pinned by TestProgramTool, which programs it.
#include <fcntl.h>
#include <unistd.h>

#include <QProcess>
#include <QtTest>

class TestVirtualController : public QObject {
    Q_OBJECT
private slots:
    void itAnswersAHandshakeWithTheReplyItIsGiven() {
        QProcess controller;
        controller.start(QStringLiteral(VIRTUAL_CONTROLLER), {"--reply", "OK"});
        QVERIFY(controller.waitForReadyRead(5000));
        const QByteArray path = controller.readLine().trimmed().split(' ').value(3);
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(fd >= 0);

        QCOMPARE(::write(fd, "\xAA\x55", 2), ssize_t(2));

        QByteArray decoded;
        QTRY_COMPARE(decoded += controller.readAllStandardOutput(), "170 85  handshake\n");
        QByteArray reply;
        char byte = 0;
        QTRY_COMPARE((reply += ::read(fd, &byte, 1) == 1 ? QByteArray(1, byte) : ""), "OK");
        ::close(fd);

        // Help is no error; a call without the reply's text is refused, as a wrong option is.
        QCOMPARE(QProcess::execute(QStringLiteral(VIRTUAL_CONTROLLER), {"--help"}), 0);
        QCOMPARE(QProcess::execute(QStringLiteral(VIRTUAL_CONTROLLER), {"--reply"}), 2);
    }
};

QTEST_GUILESS_MAIN(TestVirtualController)
#include "TestVirtualController.moc"
