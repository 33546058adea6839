#include "support/ScriptedDialogs.h"

#include <QStringList>
#include <QTest>

namespace rotaline::testing {

Dialogs::Answer ScriptedDialogs::message(const QString& text, Icon icon, Buttons buttons) {
    shown_.append({text, icon, buttons});
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    if (answers_.isEmpty()) {
        unexpected_ << QStringLiteral("question without answer: ") + text;
        return Answer::No;
    }
    return answers_.dequeue();
}

QString ScriptedDialogs::openFileName(const QString& filter) {
    return fileName(filter, QStringLiteral("open"));
}

QString ScriptedDialogs::saveFileName(const QString& filter, const QString&) {
    return fileName(filter, QStringLiteral("save"));
}

QString ScriptedDialogs::fileName(const QString& filter, const QString& kind) {
    filters_ << filter;
    if (fileNames_.isEmpty()) {
        unexpected_ << kind + QStringLiteral(" dialog without answer");
        return {};
    }
    return fileNames_.dequeue();
}

ScriptedDialogs::~ScriptedDialogs() {
    QStringList all = unexpected_;
    if (!answers_.isEmpty() || !fileNames_.isEmpty()) {
        all << QStringLiteral("%1 answer(s) and %2 file name(s) unused")
                   .arg(answers_.size())
                   .arg(fileNames_.size());
    }
    for (qsizetype i = seen_; i < shown_.size(); ++i) {
        all << QStringLiteral("message nobody looked at: ") + shown_[i].text;
    }
    if (!all.isEmpty()) {
        QTest::qFail(qPrintable(all.join(QStringLiteral("; "))), __FILE__, __LINE__);
    }
}

QStringList ScriptedDialogs::texts() const {
    QStringList texts;
    for (const Shown& shown : shown()) {
        texts << shown.text;
    }
    return texts;
}

}  // namespace rotaline::testing
