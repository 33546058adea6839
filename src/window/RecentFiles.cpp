#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

QString entryCaption(int index, const QString& path) {
    return QStringLiteral("&%1 ").arg(index) + path;
}

}  // namespace

void MainForm::WriteRecentFiles(const QString& fileName) {
    recentFiles_.write(fileName);
}

void MainForm::GetRecentFiles() {
    if (recentFiles_.file(1).isEmpty()) {
        return;
    }
    controls_.mnuFileMRU[0]->setVisible(true);
    const QStringList files = recentFiles_.files();
    for (int c = 0; c < files.size(); ++c) {
        Control& entry = *controls_.mnuFileMRU[c + 1];
        entry.setCaption(entryCaption(c + 1, files[c]), true);
        entry.setVisible(true);
    }
}

// Where the file stands is taken from the store as it is now, not from this window's menu:
// another running instance may have changed the list since the menu was made.
void MainForm::UpdateFileMenu(const QString& fileName) {
    WriteRecentFiles(fileName);
    GetRecentFiles();
}

void MainForm::mnuFileMRU_Click(int index) {
    const QString fileName = recentFiles_.file(index);
    WriteRecentFiles(fileName);
    GetRecentFiles();
    LoadSettingsFile(fileName);
    controls_.Text1->setText(QLatin1String(texts::LoadNote) + fileName + texts::CrLf);
}

}  // namespace rotaline
