#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "support/MemorySettingsStore.h"
#include "ui/QtDialogs.h"
#include "ui/QtTranslation.h"

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
        QCOMPARE(dialogs.saveFileName("ESC Files(*.esc)|*.esc", QString()), QString());
        QCOMPARE(startedIn, dir.path());
    }

    // The save dialog starts on the file shown; it replaces that one without a word, any other
    // only after Qt's own question, in the interface's language.
    void savingOverAnotherFileAsksFirst_data() {
        QTest::addColumn<bool>("chinese");
        QTest::newRow("English") << false;
        QTest::newRow("Chinese") << true;
    }
    void savingOverAnotherFileAsksFirst() {
        QFETCH(bool, chinese);
        QtTranslation translation;
        translation.use(chinese ? Chinese : English);
        const QString question =
            QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg("other.esc");
        QCOMPARE(question.startsWith("other.esc already exists."), !chinese);
        QTemporaryDir dir;
        const QString shown = dir.filePath("shown.esc");
        const QString other = dir.filePath("other.esc");
        for (const QString& path : {shown, other}) {
            QFile(path).open(QIODevice::WriteOnly);
        }
        QStringList seen;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            seen << QFileInfo(dialog.selectedFiles().value(0)).fileName();
            for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
                dialog.selectFile(other);
                whenShown<QMessageBox>([&seen, answer](QMessageBox& box) {
                    seen << box.text();
                    box.button(answer)->click();
                });
                static_cast<QDialog&>(dialog).accept();
                seen << (dialog.isVisible() ? "still open" : "closed");
            }
        });
        QtDialogs dialogs;
        QCOMPARE(dialogs.saveFileName("ESC Files(*.esc)|*.esc", shown), other);
        whenShown<QFileDialog>([](QFileDialog& dialog) { static_cast<QDialog&>(dialog).accept(); });
        QCOMPARE(dialogs.saveFileName("ESC Files(*.esc)|*.esc", shown), shown);
        translation.use(English);
        QCOMPARE(seen, QStringList({"shown.esc", question, "still open", question, "closed"}));
    }

    // Sizes and dates in the interface's language, each column wide enough for them.
    void theFileDialogWritesSizesAndDatesInChineseAndFitsThem() {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("glider.esc")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(205, 'x')) == 205);
        file.close();
        QtTranslation chinese;
        chinese.use(Chinese);
        MemorySettingsStore store;
        store.setValue("Dialogs", "LastFolder", dir.path());
        QStringList shown;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
            if (!QTest::qWaitFor(
                    [view] { return view->model()->rowCount(view->rootIndex()) > 0; })) {
                shown << QStringLiteral("no file listed");
            }
            const auto text = [view](int column) {
                return view->model()->index(0, column, view->rootIndex()).data().toString();
            };
            const auto fits = [view, text](int column) {
                return view->fontMetrics().horizontalAdvance(text(column)) <=
                       view->columnWidth(column);
            };
            static_cast<void>(
                QTest::qWaitFor([fits] { return fits(1) && fits(3); }));  // resized later
            for (int column : {1, 3}) {
                shown << text(column);
                if (!fits(column)) {
                    shown << QStringLiteral("cut off");
                }
            }
            dialog.reject();
        });
        QtDialogs(&store).openFileName("ESC Files(*.esc)|*.esc");
        chinese.use(English);
        const QString date = QLocale(QLocale::Chinese, QLocale::China)
                                 .toString(QFileInfo(file).lastModified(), QLocale::ShortFormat);
        QCOMPARE(shown, QStringList({QStringLiteral("205 字节"), date}));
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(TestQtDialogs)
#include "TestQtDialogs.moc"
