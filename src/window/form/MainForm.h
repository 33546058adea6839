#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "link/ProgrammingLink.h"
#include "model/ParameterBlock.h"
#include "model/SettingsFileCodec.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "window/controls/ControlSet.h"
#include "window/controls/Controls.h"
#include "window/form/EditHistory.h"
#include "window/form/FormHost.h"
#include "window/form/LanguageSwitch.h"
#include "window/form/StepNotes.h"
#include "window/port/LineStatus.h"
#include "window/port/PortStatus.h"
#include "window/record/Journaling.h"
#include "window/record/SettingsFiles.h"

namespace rotaline {

struct ControllerModel;
struct Parameter;
enum class ExtraStep;

// The main window without widgets: every control, the parameter block and the shared flags,
// and the procedures and handlers that act on them. Each handler lives in a file named after
// what it handles; the jobs it hands work to own their state: the settings files, the change
// history with the unsent marks, the language, the lamp and line status, and the journal.
class MainForm {
public:
    MainForm(ProgrammingLink& link, Dialogs& dialogs, SettingsStore& settings);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // The window that shows the form; nullptr: none.
    void setHost(FormHost* host) { host_ = host != nullptr ? host : &noWindow_; }
    FormHost& host() const { return *host_; }

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
    LineStatus lineStatus() const { return port_.lineStatus(unsentCount(), edits_.advice()); }
    const SharedFlags& flags() const { return flags_; }

    // Port and link.
    void ComboCOM_Click();
    // The adapter that had COM number `previousNumber` now has `portNumber` (0: none): the
    // selection follows it, or the number selected is selected again when its adapter changed.
    void adapterAssigned(int portNumber, int previousNumber);
    // False when the message could not be written; a parameter's control is marked until its
    // value is sent.
    bool SendParameter(std::uint8_t address, std::uint8_t value);
    void ModelHandshake();
    // The device of the COM number chosen is there (again): after a send found it gone, the
    // lamp lights and the status bar says what the controller still lacks.
    void deviceReturned() { port_.deviceReturned(); }
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
    void SaveSettingsFile() { files_.save(); }
    void mnuOpen_Click();
    // What opening the chosen file does: the recent list, the load, the note.
    void OpenSettingsFile(const QString& path);
    // Loads only when a trial load on a copy of the form meets no fault; otherwise says why.
    // The file loaded is the window's file from then on, as a save makes it.
    bool LoadSettingsFile(const QString& path);
    // Sends the whole block again, as loading it from a file would; only once the window shows
    // a model the block is for.
    void mnuSendAll_Click();
    // False at the first slot whose control has no such value; the slots before it are set.
    bool ApplyParameterBlock();
    void Toolbar1_ButtonClick(const QString& key);
    void WriteRecentFiles(const QString& fileName) { files_.writeRecent(fileName); }
    void GetRecentFiles() { files_.showRecent(); }
    void UpdateFileMenu(const QString& fileName) { files_.rememberRecent(fileName); }
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
    QString choiceText(int slot, int value) const { return set_.owner(slot).choiceText(value); }
    // Whether the window lets the user set `slot` now: its control shown and enabled, and every
    // frame around it.
    bool letsSet(int slot) const;
    void CommandClear_Click();
    void FillValueLists();

    // The user's last change of a parameter taken back, or made again, through its control.
    void mnuUndo_Click();
    void mnuRedo_Click();
    // Settings stored but not written to the controller.
    int unsentCount() const { return edits_.unsentCount(); }
    bool isUnsent(int slot) const { return edits_.isUnsent(slot); }

    // What is sent is recorded in `journal`, one record a programming session; `portOf` names
    // the port and adapter of a position in the port list.
    void setJournal(SendJournal* journal, Journaling::PortOf portOf) {
        journaling_.setJournal(journal, std::move(portOf));
    }
    std::optional<Delivery> journalled() const { return journaling_.delivery(); }
    // Loads a block as loading a settings file with it does.
    bool LoadParameterBlock(const ParameterBlock& block);
    // Sends what the block holds and the window marks not sent, as Send all ends: a model's
    // factory defaults and a load send no setting whose control shows its value already.
    void sendMarked();

private:
    // A user's step: it shows one invalid-port box at most, the first, and notes only what
    // reached the controller. Begun while the link is not ready, it tries no port where it may
    // go on: what it would send is marked as not sent.
    class Command {
    public:
        explicit Command(MainForm& form, bool goesOnOffline = true);
        ~Command();
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

    private:
        MainForm& form_;
    };
    // A command that goes on without a controller holds its sends from wherever it finds the link
    // down: at its start, at a port it chose, or at a send that failed.
    bool holdsSends() const { return commands_ > 0 && goesOnOffline_ && !link_.isReady(); }
    // The link is ready, or the port chosen opens now (its adapter is back), tried once a step:
    // what a send would find decides whether a command goes on.
    bool linkUsable();
    // The note's line for a port that could not be used.
    QString portFailureNote() const;

    void bindHandlers();
    void bindCommands();
    void allowSendAll(bool allowed);
    void showInvalidPortMessage();
    void sendingFailed(const LinkOutcome& failure);
    void refillModelLists(const Language& language);
    void refillPointList(ComboList& list);
    void appendNote(const QString& line);
    QString noteOf(const Parameter& parameter, int value) const;
    void runCellCountChange(int slot, int value);
    void recordCellCount(int slot, bool automatic);
    int factoryValueOf(const Parameter& parameter) const;
    void runExtraBeforeNote(ExtraStep extra, int value);
    void runExtraAfterSend(ExtraStep extra, int value);
    void arrangeGroupsFor(int type);
    void enableParameter(const Parameter& parameter, bool enabled, bool withGroup);
    void recordSlotsFor(int type);
    void rebuildCellList(const ControllerModel& model);
    void adaptModelGroups(const ControllerModel& model);
    void enableByModel(bool enabled);
    bool setOwnerValue(int slot, int value) { return set_.owner(slot).setValue(value); }
    bool loadTried(const std::optional<QList<QByteArray>>& lines);
    SettingsFault loadSettingsLines(const QList<QByteArray>& lines);
    SettingsFault tryLoadOnCopy(const QList<QByteArray>& lines) const;
    void takeStateOf(const MainForm& other);

    ProgrammingLink& link_;
    Dialogs& dialogs_;
    FormHost noWindow_;
    FormHost* host_ = &noWindow_;
    int commands_ = 0;
    bool goesOnOffline_ = false;
    bool boxShown_ = false;
    bool portTried_ = false;
    ParameterBlock block_ = ParameterBlock::atStartUp();
    SharedFlags flags_;
    ControlSet set_;
    Controls controls_{};
    ConstControls constControls_{};
    EditHistory edits_{set_, controls_, flags_};
    PortStatus port_{link_, controls_, flags_, host_};
    Journaling journaling_{block_, controls_, edits_};
    SettingsFiles files_;
    StepNotes notes_{controls_};
    LanguageSwitch language_{set_, controls_, flags_, dialogs_, host_};
};

}  // namespace rotaline
