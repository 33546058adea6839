#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "files/RecentFilesStore.h"
#include "files/SendJournal.h"
#include "link/ProgrammingLink.h"
#include "model/ParameterBlock.h"
#include "model/SettingsFileCodec.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "window/ChangeHistory.h"
#include "window/ControlSet.h"
#include "window/Controls.h"
#include "window/FormHost.h"
#include "window/LanguageTables.h"
#include "window/LineStatus.h"

namespace rotaline {

// The message loading a settings file with this fault shows.
QString settingsFaultMessage(SettingsFault fault, const Language& language);

struct ControllerModel;
struct Parameter;
enum class ExtraStep;

// The main window without widgets: every control, the parameter block and the shared flags,
// and the procedures and handlers that act on them.
//
// Where the procedures are:
//   PortSelection.cpp    ComboCOM_Click and the lists it refills
//   Sending.cpp          SendParameter, ModelHandshake, the invalid-port message, a failed send,
//                        the marks of settings the controller lacks
//   Receiving.cpp        MSComm1_OnComm, mnuExit_Click, Form_Unload, the line's status
//   ParameterChanges.cpp the change handlers (one mechanism over the parameter table), the
//                        command bindings, CommandClear_Click
//   TypeTabs.cpp         SSTab1_Click and the groups of each type
//   ModelSelection.cpp   ComboCTRmodel_Click
//   FactoryDefaults.cpp  ApplyFactoryDefaults, CommandSetFactory_Click
//   SettingsFiles.cpp    SaveSettingsFile, mnuOpen_Click, LoadSettingsFile, ApplyParameterBlock,
//                        mnuSendAll_Click, Toolbar1_ButtonClick
//   TrialLoad.cpp        the trial load on a copy of the form
//   Journaling.cpp       the journal's record of each programming session
//   RecentFiles.cpp      WriteRecentFiles, GetRecentFiles, UpdateFileMenu, mnuFileMRU_Click
//   LanguageSwitch.cpp   mnuChinese_Click, mnuEnglish_Click
//   ParameterHints.cpp   the hint over each parameter, in the current language
//   ControlNames.cpp     what a screen reader calls each control, in the current language
//   UndoRedo.cpp         mnuUndo_Click, mnuRedo_Click and the end of the history
//   StartUp.cpp          Form_Load;  ValueLists.cpp  FillValueLists
class MainForm {
public:
    MainForm(ProgrammingLink& link, Dialogs& dialogs, SettingsStore& settings);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // The window that shows the form; nullptr: none.
    void setHost(FormHost* host) { host_ = host != nullptr ? host : &noWindow_; }

    Controls& controls() { return controls_; }
    const ConstControls& controls() const { return constControls_; }
    // Every control, parents before their children, and a control by the name the layout
    // and caption tables give it (option buttons as "Group(i)").
    const std::vector<Control*>& controlsInOrder() { return set_.inOrder(); }
    Control* find(const QString& name) { return set_.find(name); }
    const Control* find(const QString& name) const { return set_.find(name); }
    int tabPageOf(const QString& name) const { return set_.pageOf(name); }

    const ParameterBlock& block() const { return block_; }
    // The line to the adapter, in the current language.
    LineStatus lineStatus() const;
    const SharedFlags& flags() const { return flags_; }

    // Port and link.
    void ComboCOM_Click();
    // False when the message could not be written; a parameter's control is marked until its
    // value is sent.
    bool SendParameter(std::uint8_t address, std::uint8_t value);
    bool ModelHandshake();
    // The device of the COM number chosen is there (again): after a send found it gone, the
    // lamp lights and the status bar says what the controller still lacks.
    void deviceReturned();
    void MSComm1_OnComm();
    void mnuExit_Click();
    // The window is closing, by Exit or otherwise: the port is released.
    void Form_Unload();

    // Start-up.
    void Form_Load();

    // Controller type and model.
    void SSTab1_Click(int previousTab);
    void ComboCTRmodel_Click(int index);
    // The note that choosing a model writes, for the model now chosen on the type's tab.
    QString modelNote(int type) const;
    void ApplyFactoryDefaults();
    void CommandSetFactory_Click();

    // Settings files and the recent files.
    void SaveSettingsFile();
    void mnuOpen_Click();
    // What opening the chosen file does: the recent list, the load, the note.
    void OpenSettingsFile(const QString& path);
    // Loads only when a trial load on a copy of the form meets no fault; otherwise says why.
    void LoadSettingsFile(const QString& path);
    // Sends the whole block again, as loading it from a file would; only once the window shows
    // a model the block is for.
    void mnuSendAll_Click();
    // False at the first slot whose control has no such value; the slots before it are set.
    bool ApplyParameterBlock();
    void Toolbar1_ButtonClick(const QString& key);
    void WriteRecentFiles(const QString& fileName);
    void GetRecentFiles();
    void UpdateFileMenu(const QString& fileName);
    void mnuFileMRU_Click(int index);

    // Language.
    void mnuChinese_Click();
    void mnuEnglish_Click();
    // The Language menu's item of that language: asks, then shows the window in it.
    void switchLanguage(const Language& language);

    // Parameter changes.
    void runChangeHandler(int slot);
    // The words of the change note of a slot that has a change handler: the prefix before
    // ": ", and the choice text for a value ("" where the control has no such choice).
    QString notePrefix(int slot) const;
    QString choiceText(int slot, int value) const;
    // Whether the window lets the user set `slot` now: its control shown and enabled, and every
    // frame around it.
    bool letsSet(int slot) const;
    void CommandClear_Click();
    void FillValueLists();

    // The user's last change of a parameter taken back, or made again, through its control.
    void mnuUndo_Click();
    void mnuRedo_Click();
    // Settings stored but not written to the controller.
    int unsentCount() const { return static_cast<int>(unsent_.count()); }
    bool isUnsent(int slot) const { return unsent_[static_cast<std::size_t>(slot)]; }

    // What is sent is recorded in `journal`, one record a programming session; `portOf` names
    // the port and adapter of a position in the port list.
    using JournalPortOf = std::function<std::pair<QString, QString>(int listPosition)>;
    void setJournal(SendJournal* journal, JournalPortOf portOf);
    // Loads a block as loading a settings file with it does.
    bool LoadParameterBlock(const ParameterBlock& block);

private:
    // A model choice, a file load or a Send all: a session of its own in the journal,
    // recorded when the outermost one ends having sent something.
    class JournalSession {
    public:
        explicit JournalSession(MainForm& form);
        ~JournalSession();
        JournalSession(const JournalSession&) = delete;
        JournalSession& operator=(const JournalSession&) = delete;

    private:
        MainForm& form_;
        QString earlier_;
        int sentBefore_;
    };
    void journalSent(bool ok);
    void journalUpdate();

    void bindHandlers();
    void watchShownValue(int slot, ValueControl& control);
    void replay(const std::optional<ChangeHistory::Change>& change, bool forward);
    void endHistory();
    void showHistory();
    void markUnsent(int slot, bool unsent);
    void clearUnsent();
    void showUnsentMarks();
    void allowSendAll(bool allowed);
    void showInvalidPortMessage();
    void reportPortProblem(const LinkOutcome& outcome);
    void showLampHelp();
    void showSendingFailure(const LinkOutcome& failure);
    void sendingFailed(const LinkOutcome& failure);
    void sent();
    void refillModelLists(const Language& language);
    void refillPointList(ComboList& list);
    void appendNote(const QString& line);
    QString noteOf(const Parameter& parameter, int value) const;
    void runExtraBeforeNote(ExtraStep extra, int value);
    void runExtraAfterSend(ExtraStep extra, int value);
    void showParameterHints();
    void nameControls();
    void setCaptions(const Language& language);
    void setParameterCaptions(const Language& language);
    void arrangeGroupsFor(int type);
    void enableParameter(const Parameter& parameter, bool enabled, bool withGroup);
    void recordSlotsFor(int type);
    void rebuildCellList(const ControllerModel& model);
    void adaptModelGroups(const ControllerModel& model);
    void enableByModel(bool enabled);
    ValueControl& ownerOf(int slot);
    const ValueControl& ownerOf(int slot) const;
    bool setOwnerValue(int slot, int value);
    bool loadTried(const std::optional<QList<QByteArray>>& lines);
    void fileIs(const QString& path);
    void showFileState();
    SettingsFault loadSettingsLines(const QList<QByteArray>& lines);
    SettingsFault tryLoadOnCopy(const QList<QByteArray>& lines) const;
    void takeStateOf(const MainForm& other);

    ProgrammingLink& link_;
    Dialogs& dialogs_;
    RecentFilesStore recentFiles_;
    FormHost noWindow_;
    FormHost* host_ = &noWindow_;
    ParameterBlock block_ = ParameterBlock::atStartUp();
    SharedFlags flags_;
    struct PortOutcome {
        LinkOutcome outcome;
        int portNumber = 0;
    } lamp_;
    ChangeHistory history_;
    bool replaying_ = false;
    std::bitset<SlotCount> unsent_;
    bool handshakeOnly_ = false;  // nothing but a handshake went out since the port was chosen
    QString file_;                // opened or saved last
    std::optional<std::string> fileBlock_;  // the block as it was then
    bool deviceLost_ = false;               // a send found the device gone
    bool deviceBack_ = false;               // and it has returned since, with nothing sent yet
    struct {
        SendJournal* journal = nullptr;
        JournalPortOf portOf;
        QString session;
        int depth = 0;
        int sent = 0;
        bool complete = true;
    } journaling_;
    ControlSet set_;
    Controls controls_{};
    ConstControls constControls_{};
};

}  // namespace rotaline
