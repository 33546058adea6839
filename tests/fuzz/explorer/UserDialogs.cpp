#include "explorer/UserDialogs.h"

#include <QFileInfo>
#include <utility>

namespace rotaline::explorer {

Dialogs::Answer UserDialogs::message(const QString& text, Icon, Buttons buttons) {
    const bool question = buttons == Buttons::YesNo;
    boxes_.append({text, question});
    if (!question) {
        return Answer::Ok;
    }
    answeredYes_ = answeredYes_ || yes_;
    return yes_ ? Answer::Yes : Answer::No;
}

QString UserDialogs::openFileName(const QString&) {
    return std::exchange(toOpen_, {});
}

QString UserDialogs::saveFileName(const QString&, const QString& current) {
    const QString typed = std::exchange(toSave_, {});
    const QString chosen = typed.isEmpty() ? current : typed;
    if (chosen.isEmpty()) {
        return {};
    }
    if (QFileInfo(chosen).absoluteFilePath() != QFileInfo(current).absoluteFilePath() &&
        QFileInfo::exists(chosen) &&
        message(QFileInfo(chosen).fileName() + QStringLiteral(" already exists. Replace it?"),
                Icon::Exclamation, Buttons::YesNo) != Answer::Yes) {
        return {};
    }
    saved_ = chosen;
    return chosen;
}

void UserDialogs::newStep() {
    *this = UserDialogs(yes_);
}

}  // namespace rotaline::explorer
