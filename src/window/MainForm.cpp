#include "window/MainForm.h"

namespace rotaline {

MainForm::MainForm(ProgrammingLink& link, Dialogs& dialogs, SettingsStore& settings)
    : link_(link), dialogs_(dialogs), recentFiles_(settings) {
    bindControls(set_, controls_);
    bindControls(std::as_const(set_), constControls_);
    bindHandlers();
    showHistory();
    allowSendAll(false);
    link_.onDataReceived([this] { MSComm1_OnComm(); });
    link_.onSendingFailed([this](const LinkOutcome& failure) { sendingFailed(failure); });
}

MainForm::~MainForm() {
    link_.onDataReceived({});
    link_.onSendingFailed({});
}

void MainForm::appendNote(const QString& line) {
    controls_.Text1->append(line);
}

}  // namespace rotaline
