#pragma once

#include <QList>
#include <QQueue>
#include <QString>

#include "platform/Dialogs.h"

namespace rotaline::testing {

// Dialogs that answer from a script and record what was shown. A Yes/No question or a file
// dialog without a scripted answer counts as unexpected; so does an answer left unused, and a
// message box the test never looked at (through texts(), shown() or clear()). Anything
// unexpected fails the test when the double goes.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    ~ScriptedDialogs() override;

    struct Shown {
        QString text;
        Icon icon;
        Buttons buttons;
    };

    Answer message(const QString& text, Icon icon, Buttons buttons) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, const QString& current) override;

    void nextAnswer(Answer answer) { answers_.enqueue(answer); }
    void nextFileName(const QString& path) { fileNames_.enqueue(path); }

    const QList<Shown>& shown() const {
        seen_ = shown_.size();
        return shown_;
    }
    QStringList texts() const;
    const QStringList& filters() const { return filters_; }
    void clear() {
        shown_.clear();
        seen_ = 0;
    }

private:
    QString fileName(const QString& filter, const QString& kind);

    QList<Shown> shown_;
    mutable qsizetype seen_ = 0;
    QQueue<Answer> answers_;
    QQueue<QString> fileNames_;
    QStringList filters_;
    QStringList unexpected_;
};

}  // namespace rotaline::testing
