#include "explorer/Session.h"

#include <QDir>

namespace rotaline::explorer {

Session::Session(const QString& folder)
    : folder(folder), journalPath(QDir(folder).filePath(QStringLiteral("journal"))) {
    QFile::remove(journalPath);
    openJournal();
    window.setSheetCommands(&sheets);
    form.Form_Load();
    window.show();
}

Session::~Session() {
    form.setJournal(nullptr, {});
}

void Session::openJournal() {
    journal_ = std::make_unique<SendJournal>(journalPath);
    form.setJournal(journal_.get(), [this](int position) {
        const bool adapter = position + 1 == port.number();
        return std::pair(QStringLiteral("COM%1").arg(position + 1),
                         adapter ? QStringLiteral("usb-Explorer_Adapter-if00") : QString());
    });
}

std::vector<JournalRecord> Session::records() {
    openJournal();  // the journal that goes writes what it queued
    return readJournal(journalPath);
}

}  // namespace rotaline::explorer
