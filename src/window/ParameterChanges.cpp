#include "model/EscCatalogue.h"
#include "model/WireFormat.h"
#include "window/ChangeHandlers.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

// The value the control now stands for, or -1 when nothing is chosen.
int chosenValue(const Control& control, int index) {
    switch (control.kind()) {
        case ControlKind::OptionGroup: {
            const auto& group = static_cast<const OptionGroup&>(control);
            return index >= 0 && index < group.count() ? index : -1;
        }
        case ControlKind::ComboList:
            return static_cast<const ComboList&>(control).listIndex();
        case ControlKind::ScrollBar:
            return static_cast<const ScrollBar&>(control).value();
        default:
            return -1;
    }
}

}  // namespace

void MainForm::bindHandlers() {
    for (const ChangeHandler& handler : changeHandlers()) {
        const QString name = fromView(handler.control);
        Control& control = get<Control>(name);
        if (auto* group = dynamic_cast<OptionGroup*>(&control)) {
            group->onClick = [this, name](int index) { runChangeHandler(name, index); };
        } else if (auto* list = dynamic_cast<ComboList*>(&control)) {
            list->onClick = [this, name] { runChangeHandler(name); };
        } else if (auto* bar = dynamic_cast<ScrollBar*>(&control)) {
            bar->onChange = [this, name] { runChangeHandler(name); };
        }
    }
    get<ComboList>("ComboCOM").onClick = [this] { ComboCOM_Click(); };
    get<Control>("CommandClear").onClick = [this] { CommandClear_Click(); };
    get<Control>("mnuExit").onClick = [this] { mnuExit_Click(); };
    get<Control>("mnuChinese").onClick = [this] { mnuChinese_Click(); };
    get<Control>("mnuEnglish").onClick = [this] { mnuEnglish_Click(); };
    get<Control>("mnuAbout").onClick = [this] {
        if (onShowAbout) {
            onShowAbout();
        }
    };
    get<Control>("mnuOpen").onClick = [this] { mnuOpen_Click(); };
    get<Control>("mnuSave").onClick = [this] { SaveSettingsFile(); };
    for (int index = 1; index <= RecentFilesStore::Slots; ++index) {
        get<Control>(QStringLiteral("mnuFileMRU(%1)").arg(index)).onClick = [this, index] {
            mnuFileMRU_Click(index);
        };
    }
    get<Toolbar>("Toolbar1").onButtonClick = [this](const QString& key) {
        Toolbar1_ButtonClick(key);
    };
    get<Control>("CommandSetFactory").onClick = [this] { CommandSetFactory_Click(); };
    get<TabStrip>("SSTab1").onClick = [this](int previousTab) { SSTab1_Click(previousTab); };
    for (int type = 0; type < 4; ++type) {
        get<ComboList>(QStringLiteral("ComboCTRmodel(%1)").arg(type)).onClick = [this, type] {
            ComboCTRmodel_Click(type);
        };
    }
}

QString MainForm::noteOf(const ChangeHandler& handler, int value) const {
    QString prefix = fromView(handler.fixedPrefix);
    for (std::string_view part : handler.prefix) {
        if (!part.empty()) {
            prefix += find(fromView(part))->caption();
        }
    }
    const Control& control = *find(fromView(handler.control));
    QString choice;
    if (control.kind() == ControlKind::OptionGroup) {
        choice = static_cast<const OptionGroup&>(control).button(value).caption();
    } else if (control.kind() == ControlKind::ComboList) {
        choice = static_cast<const ComboList&>(control).text();
    } else {
        choice = get<Control>("LabelDegree").caption();
    }
    return prefix + QStringLiteral(": ") + choice + texts::CrLf;
}

void MainForm::runChangeHandler(const QString& name, int index) {
    const ChangeHandler* handler = findChangeHandler(name.toStdString());
    if (handler == nullptr || flags_.suppress) {
        return;
    }
    const int value = chosenValue(get<Control>(name), index);
    if (value < 0) {
        return;
    }
    runExtraBeforeNote(*handler, value);
    appendNote(noteOf(*handler, value));
    block_.value[handler->slot] = static_cast<std::uint8_t>(value);
    std::uint8_t sent = block_.value[handler->slot];
    if (handler->extra == ExtraStep::CellCode) {
        sent = cellCode(get<ComboList>(name).text().toStdString());
    }
    SendParameter(addressOf(handler->slot), sent);
    runExtraAfterSend(*handler, value);
}

void MainForm::runExtraBeforeNote(const ChangeHandler& handler, int value) {
    if (handler.extra == ExtraStep::TimingLabel) {
        get<Control>("LabelDegree").setCaption(QString::number(value) + QChar(0x00B0));
    } else if (handler.extra == ExtraStep::BatteryType) {
        const bool lithium = value != 0;
        get<Control>("ComboPerCellNi").setVisible(!lithium);
        get<Control>("ComboPerCellLi").setVisible(lithium);
        get<Control>("LabelNumCell").setEnabled(lithium);
        get<Control>("ComboNoOfCell").setEnabled(lithium);
    }
}

void MainForm::runExtraAfterSend(const ChangeHandler& handler, int value) {
    if (handler.extra == ExtraStep::MotorPole) {
        const bool shown = get<TabStrip>("SSTab1").selected() == 1 && value == 0;
        get<Control>("FrameMotorPole").setVisible(shown);
        block_.inUse[11] = shown;
    }
}

void MainForm::CommandClear_Click() {
    get<TextBox>("Text1").setText(QString());
    get<TextBox>("Text2").setText(QString());
}

}  // namespace rotaline
