#pragma once

#include <QStringList>

#include "platform/Dialogs.h"

namespace rotaline::explorer {

// The user at the window's boxes and file dialogs: answers every question as told last (No
// until told), picks the file the step names, and at a save dialog presses Enter on the name it
// offers unless the step typed another; replacing another file that exists is asked first, as
// the system's save dialog asks.
class UserDialogs : public Dialogs {
public:
    explicit UserDialogs(bool yes = false) : yes_(yes) {}

    struct Box {
        QString text;
        bool question = false;
    };

    Answer message(const QString& text, Icon icon, Buttons buttons) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, const QString& current) override;

    void answerYes(bool yes) { yes_ = yes; }
    void pickToOpen(const QString& path) { toOpen_ = path; }
    void typeToSave(const QString& path) { toSave_ = path; }

    // What this step showed, and whether a question of it was answered Yes.
    const QList<Box>& boxes() const { return boxes_; }
    bool answeredYes() const { return answeredYes_; }
    // The file a save dialog gave this step ("": none).
    const QString& saved() const { return saved_; }
    void newStep();

private:
    bool yes_ = false;
    QString toOpen_;
    QString toSave_;
    QList<Box> boxes_;
    bool answeredYes_ = false;
    QString saved_;
};

}  // namespace rotaline::explorer
