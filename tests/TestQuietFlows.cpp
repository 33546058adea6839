// The programmer's everyday flows, as a user goes through them, say nothing on stderr: any Qt
// warning fails.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Programmer.h"
#include "pty/PseudoTerminal.h"
#include "window/MainForm.h"

using namespace rotaline;

namespace {

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

class TestQuietFlows : public QObject {
    Q_OBJECT
private slots:
    void everydayUseWarnsOfNothing() {
        PseudoTerminal adapter;
        if (!adapter.isOpen()) {
            QSKIP("no pseudo-terminals here");
        }
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Rotaline", "Rotaline")
            .setValue("Ports/COM1", QString::fromStdString(adapter.slavePath()));
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

QTEST_MAIN(TestQuietFlows)
#include "TestQuietFlows.moc"
