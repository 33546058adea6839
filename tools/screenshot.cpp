// Renders the programmer's window to PNG files without a display: each tab after start-up,
// in English, then the window after a switch to Chinese, then that again under a dark desktop
// palette, then each tab in German; each once the line is idle. With --unsent every setting is
// marked as not sent, and each tab is rendered in Chinese too.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "DarkPalette.h"
#include "link/ProgrammingLink.h"
#include "model/SlotTable.h"
#include "platform/QtSerialPort.h"
#include "pty/PseudoTerminal.h"
#include "ui/MainWindow.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

using namespace rotaline;

namespace {

// Answers every question with Yes and keeps no settings.
class Unattended : public Dialogs, public SettingsStore {
public:
    Answer message(const QString&, Icon, Buttons buttons) override {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    QString value(const QString&, const QString&) const override { return {}; }
    void setValue(const QString&, const QString&, const QString&) override {}
    QList<QPair<QString, QString>> section(const QString&) const override { return {}; }
};

// At rest: what the window sent has left, and the status bar says so.
bool save(MainWindow& window, const MainForm& form, const QString& path) {
    const auto settle = [](int milliseconds) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < milliseconds) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
    };
    while (form.lineStatus().busy) {
        settle(50);
    }
    settle(300);  // the status bar looks at the line every 100 ms
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// Every parameter's group shows the not-sent mark.
void markAllUnsent(MainForm& form) {
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        if (slotInfo(slot).kind != ValueKind::Unused) {
            form.find(fromView(slotInfo(slot).owner))->setUnsentMark(QStringLiteral("!"));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* scale = nullptr;
    bool unsent = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            scale = argv[i + 1];
        }
        unsent |= std::strcmp(argv[i], "--unsent") == 0;
    }
    if (argc < 2 || argv[1][0] == '-') {
        std::puts("Usage: rotaline-screenshot OUTPUT-FOLDER [--scale FACTOR] [--unsent]");
        return 2;
    }
    if (scale != nullptr) {
        qputenv("QT_SCALE_FACTOR", scale);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    const QString suffix = scale != nullptr ? QStringLiteral("@%1x").arg(scale) : QString();

    PseudoTerminal adapter;
    QtSerialPort port([&adapter](int) { return QString::fromStdString(adapter.slavePath()); });
    ProgrammingLink link(port);
    Unattended unattended;
    MainForm form(link, unattended, unattended);
    MainWindow window(form);
    form.Form_Load();
    window.show();

    bool saved = true;
    static const char* const names[] = {"airplane", "helicopter", "boat", "car"};
    const auto eachTab = [&](const char* prefix) {
        for (int tab = 0; tab < 4; ++tab) {
            form.controls().SSTab1->select(tab);
            if (unsent) {
                markAllUnsent(form);
            }
            saved &= save(
                window, form,
                out.filePath(
                    QStringLiteral("%1-%2%3.png").arg(QLatin1String(prefix), names[tab], suffix)));
        }
    };
    eachTab("tab");
    form.mnuChinese_Click();
    if (unsent) {
        eachTab("chinese");
    }
    saved &= save(window, form, out.filePath(QStringLiteral("chinese%1.png").arg(suffix)));
    QApplication::setPalette(darkPalette());
    saved &= save(window, form, out.filePath(QStringLiteral("chinese-dark%1.png").arg(suffix)));
    QApplication::setPalette(QPalette());
    form.switchLanguage(German);
    eachTab("german");
    return saved ? 0 : 1;
}
