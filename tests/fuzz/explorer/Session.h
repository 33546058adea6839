#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "explorer/Controller.h"
#include "explorer/UserDialogs.h"
#include "files/SendJournal.h"
#include "link/ProgrammingLink.h"
#include "support/MemorySettingsStore.h"
#include "ui/MainWindow.h"
#include "ui/SheetCommands.h"
#include "window/form/MainForm.h"

namespace rotaline::explorer {

// The whole window as the programmer starts it, on the adapter double, the user at its dialogs
// and a journal in `folder`; started up and shown.
class Session {
public:
    explicit Session(const QString& folder);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The records of the journal, each session's last, newest first, once what is queued is
    // written.
    std::vector<JournalRecord> records();

    const QString folder;
    const QString journalPath;
    AdapterPort port;
    ProgrammingLink link{port, [this] { return port.now(); }};
    UserDialogs dialogs;
    testing::MemorySettingsStore settings;
    MainForm form{link, dialogs, settings};
    MainWindow window{form};
    SheetCommands sheets{form, dialogs, &window, journalPath};

private:
    void openJournal();

    std::unique_ptr<SendJournal> journal_;
};

}  // namespace rotaline::explorer
