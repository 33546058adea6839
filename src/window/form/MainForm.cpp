#include "window/form/MainForm.h"

namespace rotaline {

MainForm::MainForm(ProgrammingLink& link, Dialogs& dialogs, SettingsStore& settings)
    : link_(link), dialogs_(dialogs), files_(settings, block_, controls_, flags_, dialogs_, host_) {
    bindControls(set_, controls_);
    bindControls(std::as_const(set_), constControls_);
    bindHandlers();
    bindCommands();
    edits_.end();
    allowSendAll(false);
    files_.setLoad([this](const QList<QByteArray>& lines) { return tryLoadOnCopy(lines); },
                   [this](const QList<QByteArray>& lines) {
                       const SettingsFault fault = loadSettingsLines(lines);
                       edits_.end();
                       return fault;
                   });
    link_.onDataReceived([this] { MSComm1_OnComm(); });
    link_.onSendingFailed([this](const LinkOutcome& failure) { sendingFailed(failure); });
    link_.onLineCarried([this] {
        journaling_.lineCarried();
        host_->lineCarried();
    });
}

MainForm::~MainForm() {
    link_.onDataReceived({});
    link_.onSendingFailed({});
    link_.onLineCarried({});
}

void MainForm::appendNote(const QString& line) {
    controls_.Text1->append(line);
}

}  // namespace rotaline
