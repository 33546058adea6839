#pragma once

#include <QSettings>

#include "platform/SettingsStore.h"

namespace rotaline {

// The per-user store: $XDG_CONFIG_HOME/Rotaline/Rotaline.conf.
class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();

    QString value(const QString& section, const QString& key) const override;
    void setValue(const QString& section, const QString& key, const QString& value) override;
    QList<QPair<QString, QString>> section(const QString& section) const override;
    void exclusively(const std::function<void()>& change) override;

private:
    mutable QSettings settings_;
    bool holding_ = false;
};

}  // namespace rotaline
