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

    // The save dialog starts on the file shown, sizes and dates in the interface's language,
    // each column wide enough for them. It replaces that file without a word, any other only
    // after Qt's own question, in that language.
    void savingOverAnotherFileAsksFirst_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("size");
        // English writes sizes as the system does: "205 bytes" here.
        QTest::newRow("English") << "" << QLocale::system().formattedDataSize(205);
        QTest::newRow("Chinese") << "zh_CN"
                                 << "205 字节";
    }
    void savingOverAnotherFileAsksFirst() {
        QFETCH(QString, language);
        QFETCH(QString, size);
        QtTranslation translation;
        translation.use(language.isEmpty() ? English : Chinese);
        const QString question =
            QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg("other.esc");
        QCOMPARE(question.startsWith("other.esc already exists."), language.isEmpty());
        QTemporaryDir dir;
        const QString shown = dir.filePath("shown.esc");
        const QString other = dir.filePath("other.esc");
        for (const QString& path : {other, shown}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(205, 'x')) == 205);
        }
        QStringList seen;
        whenShown<QFileDialog>([&](QFileDialog& dialog) {
            seen << QFileInfo(dialog.selectedFiles().value(0)).fileName();
            auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
            const auto text = [view](int column) {
                return view->model()->index(0, column, view->rootIndex()).data().toString();
            };
            const auto fits = [view, text](int column) {
                return view->fontMetrics().horizontalAdvance(text(column)) <=
                       view->columnWidth(column);
            };
            // Listed, then the columns resized.
            static_cast<void>(
                QTest::qWaitFor([&] { return !text(1).isEmpty() && fits(1) && fits(3); }));
            seen << text(1) + (fits(1) ? "" : " cut off") << text(3) + (fits(3) ? "" : " cut off");
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
        const QString date = (language.isEmpty() ? QLocale::system() : QLocale(language))
                                 .toString(QFileInfo(other).lastModified(), QLocale::ShortFormat);
        QCOMPARE(seen, QStringList(
                           {"shown.esc", size, date, question, "still open", question, "closed"}));
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(TestQtDialogs)
#include "TestQtDialogs.moc"
