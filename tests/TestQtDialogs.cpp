#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "support/MemorySettingsStore.h"
#include "ui/QtDialogs.h"

using namespace rotaline;
using rotaline::testing::MemorySettingsStore;

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

    // Each box is wide enough for its title beside a title bar's buttons.
    void messageBoxesShowTheTitleIconAndButtonsAndAnswerTheButtonPressed() {
        QtDialogs dialogs;
        QStringList shown;
        for (auto press : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No}) {
            whenShown<QMessageBox>([&shown, press](QMessageBox& box) {
                shown << QStringLiteral("%1|%2|%3, %4 buttons|%5")
                             .arg(box.windowTitle(), box.text(),
                                  box.icon() == QMessageBox::Warning ? "warning" : "plain")
                             .arg(box.buttons().size())
                             .arg(box.width() >= 200 ? "wide" : "narrow");
                box.button(press)->click();
            });
            const bool ok = press == QMessageBox::Ok;
            const Dialogs::Answer answer = dialogs.message(
                "File is\r\nerror !", ok ? Dialogs::Icon::Exclamation : Dialogs::Icon::None,
                ok ? Dialogs::Buttons::Ok : Dialogs::Buttons::YesNo);
            shown.last() += QStringList({"|Ok", "|Yes", "|No"}).at(int(answer));
        }
        QCOMPARE(shown, QStringList({"Rotaline|File is\nerror !|warning, 1 buttons|wide|Ok",
                                     "Rotaline|File is\nerror !|plain, 2 buttons|wide|Yes",
                                     "Rotaline|File is\nerror !|plain, 2 buttons|wide|No"}));
    }

    void fileDialogsOfferTheFiltersStartInTheLastFolderAndReturnTheChoice() {
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
        QCOMPARE(dialogs.openFileName("ESC Files(*.esc)|*.esc|Any|*.esc;*.txt"), chosen);
        QCOMPARE(filters, QStringList({"ESC Files(*.esc)", "Any (*.esc *.txt)", "All Files (*)"}));

        QString startedIn;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            startedIn = dialog.directory().path();
            dialog.reject();
        });
        QCOMPARE(dialogs.saveFileName("ESC Files(*.esc)|*.esc"), QString());
        QCOMPARE(startedIn, dir.path());
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(TestQtDialogs)
#include "TestQtDialogs.moc"
