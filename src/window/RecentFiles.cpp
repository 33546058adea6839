#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

QString entryName(int index) {
    return QStringLiteral("mnuFileMRU(%1)").arg(index);
}

QString entryCaption(int index, const QString& path) {
    return QStringLiteral("&%1 ").arg(index) + path;
}

}  // namespace

void MainForm::WriteRecentFiles(const QString& fileName, std::optional<int> index) {
    recentFiles_.write(fileName, index);
}

void MainForm::GetRecentFiles() {
    if (recentFiles_.file(1).isEmpty()) {
        return;
    }
    get<Control>(entryName(0)).setVisible(true);
    const QStringList files = recentFiles_.files();
    for (int c = 0; c < files.size(); ++c) {
        Control& entry = get<Control>(entryName(c + 1));
        entry.setCaption(entryCaption(c + 1, files[c]), true);
        entry.setVisible(true);
    }
}

int MainForm::InRecentFilesList(const QString& fileName) const {
    for (int i = 1; i <= RecentFilesStore::Slots; ++i) {
        if (find(entryName(i))->caption() == entryCaption(i, fileName)) {
            return i;
        }
    }
    return -1;
}

void MainForm::UpdateFileMenu(const QString& fileName) {
    const int position = InRecentFilesList(fileName);
    WriteRecentFiles(fileName, position == -1 ? std::nullopt : std::optional<int>(position));
    GetRecentFiles();
}

void MainForm::mnuFileMRU_Click(int index) {
    const QString fileName = recentFiles_.file(index);
    WriteRecentFiles(fileName, index);
    GetRecentFiles();
    LoadSettingsFile(fileName);
    get<TextBox>("Text1").setText(QStringLiteral("Load File:") + fileName + texts::CrLf);
}

}  // namespace rotaline
