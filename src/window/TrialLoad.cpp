#include "platform/RecordingPort.h"
#include "window/MainForm.h"

namespace rotaline {

namespace {

// Shows nothing and keeps nothing: what the copy would say is not for the user.
class Unseen : public Dialogs, public SettingsStore {
public:
    Answer message(const QString&, Icon, Buttons) override { return Answer::Ok; }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    QString value(const QString&, const QString&) const override { return {}; }
    void setValue(const QString&, const QString&, const QString&) override {}
    QList<QPair<QString, QString>> section(const QString&) const override { return {}; }
};

}  // namespace

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
