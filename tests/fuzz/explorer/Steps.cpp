#include "explorer/Steps.h"

#include <QAction>
#include <QDir>
#include <QTreeWidget>

#include "explorer/Promises.h"
#include "explorer/Session.h"
#include "model/EscCatalogue.h"
#include "ui/HistoryDialog.h"
#include "window/texts/Texts.h"

namespace rotaline::explorer {

namespace {

// The settings files a step may open or save as: some there, one read-only, one damaged, one
// that does not exist until saved.
const QStringList Files{"alpha.esc",    "bravo.esc",   "charlie.esc",
                        "readonly.esc", "damaged.esc", "new.esc"};
constexpr int PortChoices = 3;  // COM1..COM3
constexpr int RecentEntries = 4;
// A person takes about a second over a step, while the line carries what it holds: a model
// choice (1.8 s on the wire) is still sending at the next step, and idle at the one after.
constexpr std::chrono::seconds Pace{1};

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Whether the user can reach the widget: shown in the window and enabled.
bool reachable(const Session& s, const QString& name) {
    const QWidget* widget = s.window.widget(name);
    return widget != nullptr && widget->isEnabled() && widget->isVisibleTo(&s.window);
}

// A menu item as the user clicks it: nothing happens while it is greyed or hidden.
Done trigger(Session& s, const char* name, const QString& words) {
    QAction* action = s.window.action(QLatin1String(name));
    if (action == nullptr || !action->isEnabled() || !action->isVisible()) {
        return {};
    }
    action->trigger();
    return Done{words};
}

// The entry, option or position `choice` picks of a control that sets a value.
Done setValue(Session& s, ValueControl& control, int choice) {
    const QString name = control.name();
    if (auto* group = dynamic_cast<OptionGroup*>(&control)) {
        const int option = choice % group->count();
        const QString button = QStringLiteral("%1(%2)").arg(name).arg(option);
        if (!reachable(s, button)) {
            return {};
        }
        group->select(option);
        return Done{
            QStringLiteral("click option %1 of %2").arg(quoted(group->choiceText(option)), name)};
    }
    if (!reachable(s, name)) {
        return {};
    }
    if (auto* bar = dynamic_cast<ScrollBar*>(&control)) {
        const int value = bar->minimum() + choice % (bar->maximum() - bar->minimum() + 1);
        bar->setValue(value);
        return Done{QStringLiteral("move %1 to %2").arg(name).arg(value)};
    }
    auto& list = dynamic_cast<ComboList&>(control);
    if (list.count() == 0) {
        return {};
    }
    const int entry = choice % list.count();
    list.setListIndex(entry);
    return Done{QStringLiteral("pick %1 in %2").arg(quoted(list.choiceText(entry)), name)};
}

Done clickTab(Session& s, int choice) {
    TabStrip& tabs = *s.form.controls().SSTab1;
    tabs.select(choice);
    return Done{QStringLiteral("click the %1 tab").arg(quoted(tabs.tabCaption(choice)))};
}

// A row that clicks a menu item, or a button of the form.
Steps::Run menu(const char* item, const char* words) {
    return [=](Session& s, int) { return trigger(s, item, QString::fromUtf8(words)); };
}

Steps::Run button(const char* name) {
    return [=](Session& s, int) -> Done {
        Control& button = *s.form.find(QLatin1String(name));
        if (!reachable(s, button.name())) {
            return {};
        }
        button.click();
        return Done{QStringLiteral("click %1").arg(button.name())};
    };
}

Done open(Session& s, int choice) {
    const QString path = QDir(s.folder).filePath(Files[choice % Files.size()]);
    s.dialogs.pickToOpen(path);
    Done done = trigger(s, "mnuOpen", QStringLiteral("File > Open ") + QFileInfo(path).fileName());
    done.opened = path;
    return done;
}

Done openRecent(Session& s, int choice) {
    const int entry = 1 + choice % RecentEntries;
    const Control& item = *s.form.controls().mnuFileMRU[static_cast<std::size_t>(entry)];
    const QString name = QStringLiteral("mnuFileMRU(%1)").arg(entry);
    const QString path = item.caption().section(QLatin1Char(' '), 1);
    Done done = trigger(
        s, name.toLatin1().constData(),
        QStringLiteral("File > recent file %1 (%2)").arg(entry).arg(QFileInfo(path).fileName()));
    done.opened = path;
    return done;
}

Done saveAs(Session& s, int choice) {
    const QString path = QDir(s.folder).filePath(Files[choice % Files.size()]);
    s.dialogs.typeToSave(path);
    return trigger(s, "mnuSave",
                   QStringLiteral("File > Save, type %1, Enter").arg(QFileInfo(path).fileName()));
}

Done switchLanguage(Session& s, int choice) {
    const Language& language = Languages[choice % std::size(Languages)];
    return trigger(s, language.menuItem.data(),
                   QStringLiteral("Language > ") + fromView(language.caption));
}

Done answer(Session& s, bool yes) {
    s.dialogs.answerYes(yes);
    return Done{QStringLiteral("answer %1 to every question from now on")
                    .arg(yes ? QStringLiteral("Yes") : QStringLiteral("No"))};
}

// The adapter pulled out, or put back in; the system tells the window when a device node comes
// back, as the device watch does.
Done plugOrPull(Session& s, bool in) {
    if (s.port.isIn() == in) {
        return {};
    }
    in ? s.port.plugIn() : s.port.pullOut();
    if (in && s.form.controls().ComboCOM->listIndex() + 1 == s.port.number()) {
        s.form.deviceReturned();
    }
    return Done{QString::fromLatin1(in ? "plug the adapter back in" : "pull the adapter out")};
}

Done moveAdapter(Session& s, int choice) {
    const int previous = s.port.number();
    const int number = 1 + choice % PortChoices;
    s.port.moveTo(number);
    s.form.adapterAssigned(number, previous);
    return Done{QStringLiteral("File > Serial adapters: give the adapter COM%1").arg(number)};
}

Done loadFromHistory(Session& s, int choice) {
    HistoryDialog history(s.records(), s.form, s.dialogs, &s.window);
    QTreeWidget* list = history.list();
    if (list->topLevelItemCount() == 0) {
        return {};
    }
    const int row = choice % list->topLevelItemCount();
    list->setCurrentItem(list->topLevelItem(row));
    history.loadIntoWindow();
    return Done{QStringLiteral("File > History, select record %1, Load").arg(row + 1)};
}

Done undoRedo(Session& s, int) {
    if (!s.window.action(QStringLiteral("mnuUndo"))->isEnabled()) {
        return {};
    }
    Done done{QStringLiteral("Edit > Undo, then Edit > Redo")};
    done.fault = undoThenRedo(s);
    done.actions = 2;
    return done;
}

Done lookAtSheet(Session&, int) {
    return Done{QStringLiteral("look at the setup sheet"), true};
}

Done waitIdle(Session& s, int) {
    s.port.pass();
    return Done{QStringLiteral("wait until the line is idle")};
}

// The model list of each tab but the one shown is hidden; this row stands for the shown one's.
Done pickModel(Session& s, int choice) {
    const Controls& c = s.form.controls();
    return setValue(s, *c.ComboCTRmodel[std::size_t(c.SSTab1->selected())], choice);
}

}  // namespace

Steps::Steps(Session& session) {
    rows_ = {
        {"a tab", 4, 2, clickTab},
        {"Undo", 0, 0, menu("mnuUndo", "Edit > Undo")},
        {"Redo", 0, 0, menu("mnuRedo", "Edit > Redo")},
        {"Undo then Redo", 0, 0, undoRedo},
        {"Factory Default", 0, 0, button("CommandSetFactory")},
        {"Clear", 0, 0, button("CommandClear")},
        {"Send all", 0, 0, menu("mnuSendAll", "File > Send all settings again")},
        {"a language", int(std::size(Languages)), 0, switchLanguage},
        {"File > Open", int(Files.size()), 0, open},
        {"a recent file", RecentEntries, 0, openRecent},
        {"Save, Enter", 0, 0, menu("mnuSave", "File > Save, Enter")},
        {"Save as", int(Files.size()), 0, saveAs},
        {"answer Yes", 0, 0, [](Session& s, int) { return answer(s, true); }},
        {"answer No", 0, 0, [](Session& s, int) { return answer(s, false); }},
        {"a port", PortChoices, 0,
         [](Session& s, int choice) { return setValue(s, *s.form.controls().ComboCOM, choice); }},
        {"pull the adapter", 0, 2, [](Session& s, int) { return plugOrPull(s, false); }},
        {"plug the adapter in", 0, 4, [](Session& s, int) { return plugOrPull(s, true); }},
        {"move the adapter", PortChoices, 0, moveAdapter},
        {"the setup sheet", 0, 0, lookAtSheet},
        {"History, Load", 256, 0, loadFromHistory},
    };
    // Every control that sets a value but the port list, which has its row above, and the model
    // lists, which have theirs below.
    for (Control* control : session.form.controlsInOrder()) {
        auto* value = dynamic_cast<ValueControl*>(control);
        if (value != nullptr && control != session.form.controls().ComboCOM) {
            const QString name = control->name();
            const bool model = name.startsWith(QLatin1String("ComboCTRmodel"));
            rows_.push_back({name, 256, model ? 0 : 1, [name](Session& s, int choice) {
                                 return setValue(s, dynamic_cast<ValueControl&>(*s.form.find(name)),
                                                 choice);
                             }});
        }
    }
    rows_.push_back({"wait until the line is idle", 0, 4, waitIdle});
    rows_.push_back({"the model list of the tab shown", 256, 4, pickModel});
    std::vector<std::size_t> shares;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        byByte_.push_back(row);
        shares.insert(shares.end(), rows_[row].share, row);
    }
    for (std::size_t byte = rows_.size(); byte < 256; ++byte) {
        byByte_.push_back(shares[(byte - rows_.size()) % shares.size()]);
    }
}

Done Steps::take(Session& session, const std::uint8_t* data, std::size_t size,
                 std::size_t& at) const {
    session.port.pass(Pace);
    const Row& row = rows_[byByte_[data[at++]]];
    const int choice = row.choices > 0 && at < size ? data[at++] % row.choices : 0;
    return row.run(session, choice);
}

}  // namespace rotaline::explorer
