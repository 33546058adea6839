// The programmer as a whole: started as a user starts it, ended by a signal, taken through the
// everyday flows.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "app/Programmer.h"
#include "support/LineLog.h"
#include "support/PtyForm.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

namespace {

// A programmer to start with a settings store of its own, in which COM1 is `device`.
struct OwnStore {
    QTemporaryDir config;
    QString path = config.filePath(QStringLiteral("Rotaline/Rotaline.conf"));
    QProcess programmer;

    explicit OwnStore(const QString& device) {
        QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("Ports/COM1"), device);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        programmer.setProcessEnvironment(environment);
    }
};

QStringList warnings;
QtMessageHandler passOn = nullptr;

// The offscreen platform that tests run on says what it cannot do with windows; desktops can.
void collect(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.startsWith(QLatin1String("This plugin does not support"))) {
        warnings << message;
    }
    passOn(type, context, message);
}

}  // namespace

class TestProgrammer : public QObject {
    Q_OBJECT
private slots:
    void init() { SKIP_WITHOUT_PTYS(); }

    // The port is closed as on Exit, which gives the adapter back its own speed.
    void aSignalEndsTheProgramAsExitDoes_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aSignalEndsTheProgramAsExitDoes() {
        QFETCH(int, signal);
        PseudoTerminal adapter;
        const int speedBefore = adapter.baud();
        OwnStore own(pathOf(adapter));
        own.programmer.start(QStringLiteral(PROGRAMMER_PROBE));
        QVERIFY(own.programmer.waitForReadyRead(20000));
        QCOMPARE(own.programmer.readAllStandardOutput(), QByteArray("ready\n"));
        QCOMPARE(adapter.baud(), 300);

        ::kill(static_cast<pid_t>(own.programmer.processId()), signal);

        QVERIFY(own.programmer.waitForFinished(20000));
        QCOMPARE(own.programmer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(own.programmer.exitCode(), 0);
        QCOMPARE(adapter.baud(), speedBefore);
        QCOMPARE(bytesOf(adapter.read(1000ms)), QByteArray("\xAA\x55\x89\x05"));
    }

    void theProgrammerOpensAFileGivenToItAndTellsItsVersionWithoutADisplay() {
        PseudoTerminal adapter;
        OwnStore own(pathOf(adapter));
        const QString file = own.config.filePath(QStringLiteral("start.esc"));
        QVERIFY(writeStartUpFile(file));

        own.programmer.start(QStringLiteral(PROGRAMMER), {file});

        QTRY_COMPARE_WITH_TIMEOUT(
            QSettings(own.path, QSettings::IniFormat).value("Recent Files/RecentFile1").toString(),
            file, 10000);
        own.programmer.terminate();
        QVERIFY(own.programmer.waitForFinished(10000));
        QProcessEnvironment environment = own.programmer.processEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        own.programmer.setProcessEnvironment(environment);
        own.programmer.start(QStringLiteral(PROGRAMMER), {QStringLiteral("--version")});
        QVERIFY(own.programmer.waitForFinished(10000));
        QCOMPARE(own.programmer.readAllStandardOutput(), QByteArray("Rotaline 1.0.0\n"));
        QCOMPARE(own.programmer.exitCode(), 0);
    }

    // The everyday flows, as a user goes through them, say nothing on stderr.
    void everydayUseWarnsOfNothing() {
        PseudoTerminal adapter;
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Rotaline", "Rotaline")
            .setValue("Ports/COM1", pathOf(adapter));
        QTemporaryDir folder;
        const QString file = folder.filePath("quiet.esc");
        QTimer answering;  // the user at every modal dialog: Yes, OK, or the file above
        connect(&answering, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes)
                                               : box->button(QMessageBox::Ok))
                    ->click();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(file);
                static_cast<QDialog*>(files)->accept();
            }
        });
        answering.start(20);
        passOn = qInstallMessageHandler(collect);

        Programmer programmer;
        programmer.start();
        Controls& c = programmer.form().controls();
        c.ComboCTRmodel[0]->setListIndex(1);
        c.OptionBrake->select(4);
        c.HScrollTiming->setValue(10);
        c.mnuSave->click();
        c.CommandSetFactory->click();
        c.mnuOpen->click();
        c.mnuChinese->click();
        c.SSTab1->select(1);
        c.mnuEnglish->click();
        c.mnuAbout->click();
        c.mnuAdapters->click();
        QTest::qWait(200);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        QTest::qWait(200);

        qInstallMessageHandler(passOn);
        QVERIFY(QFile::exists(file));
        QVERIFY(!programmer.form().flags().chinese);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    }
};

QTEST_MAIN(TestProgrammer)
#include "TestProgrammer.moc"
