#include "model/EscCatalogue.h"
#include "window/controls/ControlTable.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

void MainForm::bindCommands() {
    Controls& c = controls_;
    c.ComboCOM->onChange = [this] { ComboCOM_Click(); };
    c.CommandClear->onClick = [this] { CommandClear_Click(); };
    c.mnuExit->onClick = [this] { mnuExit_Click(); };
    for (const Language& language : Languages) {
        find(fromView(language.menuItem))->onClick = [this, &language] {
            switchLanguage(language);
        };
    }
    c.mnuAbout->onClick = [this] { host_->showAbout(); };
    c.mnuHow->onClick = [this] { host_->showGuide(); };
    for (Control* adapters : {c.mnuAdapters, c.ImageOn, c.ImageOff}) {
        adapters->onClick = [this] { host_->showAdapters(); };
    }
    c.mnuOpen->onClick = [this] { mnuOpen_Click(); };
    c.mnuSave->onClick = [this] { SaveSettingsFile(); };
    c.mnuSendAll->onClick = [this] { mnuSendAll_Click(); };
    c.mnuHistory->onClick = [this] { host_->showJournal(); };
    c.mnuPrintSheet->onClick = [this] { host_->printSheet(); };
    c.mnuExportSheet->onClick = [this] { host_->exportSheet(); };
    c.mnuUndo->onClick = [this] { mnuUndo_Click(); };
    c.mnuRedo->onClick = [this] { mnuRedo_Click(); };
    for (int index = 1; index < static_cast<int>(c.mnuFileMRU.size()); ++index) {
        c.mnuFileMRU[index]->onClick = [this, index] { mnuFileMRU_Click(index); };
    }
    c.Toolbar1->onButtonClick = [this](const QString& key) { Toolbar1_ButtonClick(key); };
    c.CommandSetFactory->onClick = [this] { CommandSetFactory_Click(); };
    c.SSTab1->onClick = [this](int previousTab) { SSTab1_Click(previousTab); };
    for (int type = 0; type < EscTypeCount; ++type) {
        c.ComboCTRmodel[type]->onChange = [this, type] { ComboCTRmodel_Click(type); };
    }
}

void MainForm::Toolbar1_ButtonClick(const QString& key) {
    for (int action = 0; action < static_cast<int>(std::size(ToolbarButtons)); ++action) {
        if (fromView(ToolbarButtons[action].key) != key) {
            continue;
        }
        switch (static_cast<ToolbarAction>(action)) {
            case ToolbarAction::Open:
                mnuOpen_Click();
                break;
            case ToolbarAction::Save:
                SaveSettingsFile();
                break;
            case ToolbarAction::Help:
                host_->showAbout();
                break;
        }
    }
}

void MainForm::CommandClear_Click() {
    controls_.Text1->setText(QString());
    controls_.Text2->setText(QString());
}

}  // namespace rotaline
