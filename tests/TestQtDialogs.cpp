#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "support/MemorySettingsStore.h"
#include "ui/QtDialogs.h"

using namespace rotaline;
using rotaline::testing::MemorySettingsStore;

Q_DECLARE_METATYPE(Dialogs::Icon)
Q_DECLARE_METATYPE(Dialogs::Buttons)
Q_DECLARE_METATYPE(Dialogs::Answer)

namespace {

// Runs `act` on the modal dialog once it is up.
template <typename Dialog>
void whenShown(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            act(*dialog);
        }
    });
}

}  // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
    // The file dialog remembers its history in the user's settings: keep it out of the real ones.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit()); }

    void filtersTakeQtsSyntax_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("one") << "ESC Files(*.esc)|*.esc"
                             << "ESC Files(*.esc);;All Files (*)";
        QTest::newRow("two") << "ESC Files|*.esc|Any|*.esc;*.txt"
                             << "ESC Files (*.esc);;Any (*.esc *.txt);;All Files (*)";
    }
    void filtersTakeQtsSyntax() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtDialogs::qtFilter(filter), qt);
    }

    void messageBoxesShowTheTitleIconAndButtons_data() {
        QTest::addColumn<Dialogs::Icon>("icon");
        QTest::addColumn<Dialogs::Buttons>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<QMessageBox::Icon>("shownIcon");
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::newRow("warning") << Dialogs::Icon::Exclamation << Dialogs::Buttons::Ok
                                 << int(QMessageBox::Ok) << QMessageBox::Warning
                                 << Dialogs::Answer::Ok;
        QTest::newRow("yes") << Dialogs::Icon::None << Dialogs::Buttons::YesNo
                             << int(QMessageBox::Yes) << QMessageBox::NoIcon
                             << Dialogs::Answer::Yes;
        QTest::newRow("no") << Dialogs::Icon::None << Dialogs::Buttons::YesNo
                            << int(QMessageBox::No) << QMessageBox::NoIcon << Dialogs::Answer::No;
    }
    void messageBoxesShowTheTitleIconAndButtons() {
        QFETCH(Dialogs::Icon, icon);
        QFETCH(Dialogs::Buttons, buttons);
        QFETCH(int, press);
        QFETCH(QMessageBox::Icon, shownIcon);
        QFETCH(Dialogs::Answer, answer);
        QString shown;
        bool wideEnough = false;
        whenShown<QMessageBox>([&](QMessageBox& box) {
            shown = QStringLiteral("%1|%2|%3|%4")
                        .arg(box.windowTitle(), box.text())
                        .arg(box.icon())
                        .arg(box.buttons().size());
            wideEnough = box.width() >= 200;  // the title beside a title bar's buttons
            box.button(QMessageBox::StandardButton(press))->click();
        });

        QtDialogs dialogs;
        QCOMPARE(dialogs.message("File is\r\nerror !", icon, buttons), answer);
        QVERIFY(wideEnough);
        QCOMPARE(shown, QStringLiteral("Rotaline|File is\nerror !|%1|%2")
                            .arg(shownIcon)
                            .arg(buttons == Dialogs::Buttons::Ok ? 1 : 2));
    }

    void fileDialogsReturnTheChosenNameOrNothing() {
        QTemporaryDir dir;
        const QString chosen = dir.filePath(QStringLiteral("my settings.esc"));
        QFile(chosen).open(QIODevice::WriteOnly);
        QStringList filters;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            dialog.selectFile(chosen);
            static_cast<QDialog&>(dialog).accept();
        });
        MemorySettingsStore store;
        QtDialogs dialogs(&store);
        QCOMPARE(dialogs.openFileName("ESC Files(*.esc)|*.esc"), chosen);
        QCOMPARE(filters, QStringList({"ESC Files(*.esc)", "All Files (*)"}));

        QString startedIn;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            startedIn = dialog.directory().path();
            dialog.reject();
        });
        QCOMPARE(dialogs.saveFileName("ESC Files(*.esc)|*.esc"), QString());
        QCOMPARE(startedIn, dir.path());
        QCOMPARE(store.value("Dialogs", "LastFolder"), dir.path());
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(TestQtDialogs)
#include "TestQtDialogs.moc"
