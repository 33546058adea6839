#pragma once

#include <QStringList>

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "window/form/FormHost.h"

namespace rotaline {

// Every message the form shows becomes a problem to report; nothing is stored, nothing waits.
class Console : public Dialogs, public SettingsStore, public FormHost {
public:
    Answer message(const QString& text, Icon, Buttons) override {
        problems << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        return answer;
    }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    QString value(const QString&, const QString&) const override { return {}; }
    void setValue(const QString&, const QString&, const QString&) override {}
    QList<QPair<QString, QString>> section(const QString&) const override { return {}; }
    void waitProcessingEvents(int) override {}

    QStringList problems;
    Answer answer = Answer::No;  // to every question
};

}  // namespace rotaline
