#include "platform/RecordingPort.h"
#include "window/form/MainForm.h"
#include "window/form/Unseen.h"

namespace rotaline {

// The copy runs the very load this form would run, from the same block, flags, controls and
// link readiness, over a port that only records: what it meets, the real load meets.
SettingsFault MainForm::tryLoadOnCopy(const QList<QByteArray>& lines) const {
    RecordingPort port;
    ProgrammingLink link(port);
    if (link_.isReady()) {
        link.selectPort(0);
    }
    Unseen unseen;
    MainForm copy(link, unseen, unseen);
    copy.takeStateOf(*this);
    return copy.loadSettingsLines(lines);
}

void MainForm::takeStateOf(const MainForm& other) {
    block_ = other.block_;
    flags_ = other.flags_;
    const std::vector<Control*>& mine = set_.inOrder();
    const std::vector<Control*>& theirs = other.set_.inOrder();
    for (std::size_t i = 0; i < mine.size(); ++i) {
        mine[i]->copyStateOf(*theirs[i]);
    }
}

}  // namespace rotaline
