#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "files/RecentFilesStore.h"
#include "link/ProgrammingLink.h"
#include "model/ParameterBlock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "window/controls/ComboList.h"
#include "window/controls/Control.h"
#include "window/controls/OptionGroup.h"
#include "window/controls/ScrollBar.h"
#include "window/controls/TabStrip.h"
#include "window/controls/TextBox.h"
#include "window/controls/Toolbar.h"

namespace rotaline {

struct ChangeHandler;
struct ControllerModel;

// The main window without widgets: every control, the parameter block and the shared flags,
// and the procedures and handlers that act on them.
class MainForm {
public:
    MainForm(ProgrammingLink& link, Dialogs& dialogs, SettingsStore& settings);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // Controls, parents before their children.
    const std::vector<Control*>& controls() const { return order_; }
    Control* find(const QString& name) const { return byName_.value(name); }
    template <class T>
    T& get(const QString& name) const {
        return dynamic_cast<T&>(*byName_.value(name));
    }
    int tabPageOf(const QString& name) const;

    ParameterBlock& block() { return block_; }
    const ParameterBlock& block() const { return block_; }
    SharedFlags& flags() { return flags_; }
    ProgrammingLink& link() { return link_; }

    // Port and link.
    void ComboCOM_Click();
    void SendParameter(std::uint8_t address, std::uint8_t value);
    void ModelHandshake();
    void MSComm1_OnComm();
    void mnuExit_Click();

    // Start-up.
    void Form_Load();

    // Controller type and model.
    void SSTab1_Click(int previousTab);
    void ComboCTRmodel_Click(int index);
    void ApplyFactoryDefaults();
    void CommandSetFactory_Click();

    // Settings files and the recent files.
    void SaveSettingsFile();
    void mnuOpen_Click();
    void LoadSettingsFile(const QString& path);
    void ApplyParameterBlock();
    void Toolbar1_ButtonClick(const QString& key);
    void WriteRecentFiles(const QString& fileName);
    void GetRecentFiles();
    void UpdateFileMenu(const QString& fileName);
    void mnuFileMRU_Click(int index);

    // Language.
    void mnuChinese_Click();
    void mnuEnglish_Click();

    // Parameter changes.
    void runChangeHandler(const QString& control, int index = -1);
    void CommandClear_Click();
    void FillValueLists();

    // Shows the About dialog without waiting for it.
    std::function<void()> onShowAbout;
    // Runs when the window is to be unloaded (exit).
    std::function<void()> onUnload;
    // Waits the given time while the user interface goes on handling events.
    std::function<void(int milliseconds)> waitProcessingEvents;

private:
    void createControls();
    void bindHandlers();
    void showInvalidPortMessage();
    void refillModelLists(bool chinese);
    void refillPointList(const QString& list);
    void appendNote(const QString& line);
    QString noteOf(const ChangeHandler& handler, int index) const;
    void runExtraBeforeNote(const ChangeHandler& handler, int index);
    void runExtraAfterSend(const ChangeHandler& handler, int index);
    void switchLanguage(bool chinese);
    void arrangeGroupsFor(int type);
    void recordSlotsFor(int type);
    void rebuildCellList(const ControllerModel& model);
    void adaptModelGroups(const ControllerModel& model);
    void enableFrequency(bool enabled);

    ProgrammingLink& link_;
    Dialogs& dialogs_;
    RecentFilesStore recentFiles_;
    ParameterBlock block_ = ParameterBlock::atStartUp();
    SharedFlags flags_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    QHash<QString, Control*> byName_;
    QHash<QString, int> pages_;
};

}  // namespace rotaline
