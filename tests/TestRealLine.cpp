// Runs under the slow-line model (LD_PRELOAD): the adapter's pseudo-terminal takes 11/300 s a
// byte, and the model logs bytes garbled by a speed change and every wait for the line.
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <chrono>

#include "app/Programmer.h"
#include "support/FormFixture.h"
#include "support/LineLog.h"
#include "support/PtyForm.h"
#include "ui/FinishingDialog.h"
#include "ui/MainWindow.h"

using namespace rotaline;
using namespace rotaline::testing;
using namespace std::chrono_literals;

namespace {

// The form on the real serial port: COM2 leads to a second adapter, every other COM number to
// the first, whose line is the modelled one.
struct OnTheLine : PtyForm {
    PseudoTerminal second;
    QTemporaryDir dir;
    QString device = pathOf(adapter);

    OnTheLine() {
        devices[2] = pathOf(second);
        qputenv("ROTALINE_LINE_DEVICE", device.toLocal8Bit());
        qputenv("ROTALINE_LINE_LOG", dir.filePath(QStringLiteral("line.log")).toLocal8Bit());
    }
    ~OnTheLine() { qunsetenv("ROTALINE_LINE_DEVICE"); }

    // Everything the adapter received, once the line is idle.
    QByteArray heardWhenIdle() {
        if (!QTest::qWaitFor([this] { return !port.isDraining(); }, 10000)) {
            return "(the line never became idle)";
        }
        return heard(100ms);
    }
    LineLog log() const { return LineLog::read(dir.filePath(QStringLiteral("line.log"))); }
};

// The same steps on the serial double give the bytes the line must carry.
template <class Form>
void chooseAModelThen(const QString& next, Form& f, const QString& file) {
    f.form.Form_Load();
    f.form.controls().ComboCTRmodel[0]->setListIndex(1);
    if (next == "port change") {
        f.form.controls().ComboCOM->setListIndex(1);
    } else if (next == "file load") {
        f.form.LoadSettingsFile(file);
    } else {
        f.form.mnuExit_Click();
    }
}

}  // namespace

class TestRealLine : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (qEnvironmentVariableIsEmpty("LD_PRELOAD") || !PseudoTerminal().isOpen()) {
            QSKIP("needs pseudo-terminals and the slow-line model");
        }
    }

    void aModelChoiceFollowedAtOnceByAnotherStepArrivesWhole_data() {
        QTest::addColumn<QString>("next");
        QTest::newRow("port change") << "port change";
        QTest::newRow("file load") << "file load";
        QTest::newRow("exit") << "exit";
    }
    void aModelChoiceFollowedAtOnceByAnotherStepArrivesWhole() {
        QFETCH(QString, next);
        OnTheLine p;
        const QString file = p.dir.filePath(QStringLiteral("saved.esc"));
        QVERIFY(writeStartUpFile(file));
        FormFixture expected;
        chooseAModelThen(next, expected, file);
        QElapsedTimer clock;
        clock.start();

        chooseAModelThen(next, p, file);
        const qint64 handedOver = clock.elapsed();

        QByteArray wire = expected.port.written();
        if (next == "port change") {
            QCOMPARE(bytesOf(p.second.read(1000ms)), QByteArray("\xAA\x55"));
            wire.chop(2);
        }
        QCOMPARE(p.heardWhenIdle(), wire);
        QCOMPARE(p.log().garbled, 0);
        QVERIFY2(p.log().longestMainWait < 50,
                 qPrintable(QString::number(p.log().longestMainWait)));
        QVERIFY2(handedOver < 500, qPrintable(QString::number(handedOver)));
    }

    void theHeadlessToolWaitsForTheLineOrGivesUpOnAStuckAdapter_data() {
        QTest::addColumn<bool>("stuck");
        QTest::newRow("working adapter") << false;
        QTest::newRow("stuck adapter") << true;
    }
    void theHeadlessToolWaitsForTheLineOrGivesUpOnAStuckAdapter() {
        QFETCH(bool, stuck);
        OnTheLine p;
        const QString file = p.dir.filePath(QStringLiteral("start.esc"));
        QVERIFY(writeStartUpFile(file));
        QProcess tool;
        if (stuck) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("ROTALINE_LINE_STUCK"), QStringLiteral("1"));
            tool.setProcessEnvironment(environment);
        }
        QElapsedTimer clock;
        clock.start();

        tool.start(QStringLiteral(PROGRAM_TOOL), {file, p.device});

        QVERIFY(tool.waitForFinished(20000));
        const QByteArray heard = p.heard(100ms);
        const qint64 lineTime = heard.size() * 11 * 1000 / 300;
        const QString errors = QString::fromUtf8(tool.readAllStandardError());
        if (stuck) {
            QCOMPARE(tool.exitCode(), 3);
            QVERIFY2(errors.contains(QStringLiteral("did not take the settings")),
                     qPrintable(errors));
            QVERIFY(clock.elapsed() >= lineTime + 2000);
        } else {
            QCOMPARE(tool.exitCode(), 0);
            QVERIFY2(errors.startsWith(QStringLiteral("Line time: ")), qPrintable(errors));
            QCOMPARE(tool.readAllStandardOutput().count('\n') * 2, heard.size());
            QVERIFY(clock.elapsed() >= lineTime);
        }
        QCOMPARE(p.log().garbled, 0);
    }

    void anAdapterPulledWhileThePortDrainsEndsTheDrainAndTheNextSendFails() {
        OnTheLine p;
        p.form.Form_Load();
        p.controls.ComboCTRmodel[0]->setListIndex(1);
        p.link.close();
        QVERIFY(p.port.isDraining());

        p.adapter.closeMaster();

        QTRY_VERIFY_WITH_TIMEOUT(!p.port.isDraining(), 1000);
        p.controls.OptionBrake->select(3);
        QCOMPARE(p.dialogs.texts(),
                 QStringList({"COM1 is invalild ! \r\nPlease slect other COM port !"}));
    }

    void theStatusBarShowsTheLineWhileItSendsAndWhenItIsDone() {
        OnTheLine p;
        MainWindow window(p.form);
        p.form.Form_Load();
        p.controls.ComboCTRmodel[0]->setListIndex(1);

        QVERIFY2(window.lineText()->text().startsWith(QStringLiteral("Sending to COM1… ")),
                 qPrintable(window.lineText()->text()));
        QVERIFY(window.lineText()->text().contains(QStringLiteral(" messages left (")));
        QVERIFY(window.lineProgress()->isVisibleTo(&window));
        QTRY_VERIFY_WITH_TIMEOUT(
            window.lineText()->text().startsWith(QStringLiteral("All settings sent to COM1 at ")),
            5000);
        QVERIFY(!window.lineProgress()->isVisibleTo(&window));
    }

    void leavingWhileSendingFinishesTheLineOrQuitsAtOnce_data() {
        QTest::addColumn<bool>("stuck");
        QTest::newRow("working adapter") << false;
        QTest::newRow("stuck adapter, Quit now") << true;
    }
    void leavingWhileSendingFinishesTheLineOrQuitsAtOnce() {
        QFETCH(bool, stuck);
        OnTheLine line;
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Rotaline", "Rotaline")
            .setValue(QStringLiteral("Ports/COM1"), line.device);
        if (stuck) {
            qputenv("ROTALINE_LINE_STUCK", "1");
        }
        Programmer programmer;
        programmer.start();
        programmer.form().controls().ComboCTRmodel[0]->setListIndex(1);

        programmer.form().mnuExit_Click();

        FinishingDialog* finishing = nullptr;
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            finishing = finishing ? finishing : qobject_cast<FinishingDialog*>(shown);
        }
        QVERIFY(finishing != nullptr && finishing->isVisible());
        QPointer<FinishingDialog> open(finishing);
        if (stuck) {
            QTest::qWait(500);
            QVERIFY(open);
            QTest::mouseClick(finishing->findChild<QPushButton*>(), Qt::LeftButton);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!open, 5000);
        qunsetenv("ROTALINE_LINE_STUCK");
        QCOMPARE(line.log().garbled, 0);
        QVERIFY(line.log().longestMainWait < 50);
    }
};

QTEST_MAIN(TestRealLine)
#include "TestRealLine.moc"
