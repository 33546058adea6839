#pragma once

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

namespace rotaline {

// Shows nothing and keeps nothing: for a form working out an answer, not for the user.
class Unseen : public Dialogs, public SettingsStore {
public:
    Answer message(const QString&, Icon, Buttons) override { return Answer::Ok; }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
    QString value(const QString&, const QString&) const override { return {}; }
    void setValue(const QString&, const QString&, const QString&) override {}
    QList<QPair<QString, QString>> section(const QString&) const override { return {}; }
};

}  // namespace rotaline
