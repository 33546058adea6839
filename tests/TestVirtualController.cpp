#include <fcntl.h>
#include <unistd.h>

#include <QProcess>
#include <QtTest>

class TestVirtualController : public QObject {
    Q_OBJECT
private slots:
    void itDecodesWhatArrivesAndAnswersHandshakes() {
        QProcess controller;
        controller.start(QStringLiteral(VIRTUAL_CONTROLLER), {"--reply", "OK"});
        QVERIFY(controller.waitForStarted());
        QVERIFY(controller.waitForReadyRead(5000));
        const QString first = QString::fromLatin1(controller.readLine()).trimmed();
        QVERIFY(first.startsWith(QStringLiteral("Virtual controller on /dev/")));
        const QByteArray path = first.section(' ', 3).toLatin1();

        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "\xAA\x55\x89\x05\x93\x01", 6), ssize_t(6));
        QByteArray output;
        QTRY_VERIFY((output += controller.readAllStandardOutput()).count('\n') >= 3);
        QCOMPARE(output.split('\n').mid(0, 3),
                 QList<QByteArray>({"170 85  handshake", "137 5  slot 9 brake type = 4 (Hard)",
                                    "147 1  slot 19 number of cells = 0 (Auto)"}));
        QByteArray reply;
        auto readReply = [&] {
            char byte = 0;
            while (::read(fd, &byte, 1) == 1) {
                reply += byte;
            }
            return reply;
        };
        QTRY_COMPARE(readReply(), QByteArray("OK"));
        ::close(fd);
        controller.terminate();
        QVERIFY(controller.waitForFinished(5000));
        QCOMPARE(controller.exitCode(), 0);
    }

    void helpIsShownAndUnknownOptionsAreRefused() {
        QProcess help;
        help.start(QStringLiteral(VIRTUAL_CONTROLLER), {"--help"});
        QVERIFY(help.waitForFinished(5000));
        QCOMPARE(help.exitCode(), 0);
        QVERIFY(help.readAllStandardOutput().startsWith(
            "Usage: rotaline-virtual-controller [--reply TEXT]\n"));

        QProcess wrong;
        wrong.start(QStringLiteral(VIRTUAL_CONTROLLER), {"--reply"});
        QVERIFY(wrong.waitForFinished(5000));
        QCOMPARE(wrong.exitCode(), 2);
        QCOMPARE(wrong.readAllStandardOutput(), QByteArray());
        QVERIFY(wrong.readAllStandardError().startsWith("Usage:"));
    }
};

QTEST_GUILESS_MAIN(TestVirtualController)
#include "TestVirtualController.moc"
