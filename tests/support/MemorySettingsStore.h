#pragma once

#include <QMap>

#include "platform/SettingsStore.h"

namespace rotaline::testing {

// Settings in memory; a section lists its keys in key order.
class MemorySettingsStore : public SettingsStore {
public:
    QString value(const QString& section, const QString& key) const override {
        return values_.value(section).value(key);
    }
    void setValue(const QString& section, const QString& key, const QString& value) override {
        values_[section][key] = value;
    }
    QList<QPair<QString, QString>> section(const QString& section) const override {
        QList<QPair<QString, QString>> pairs;
        const QMap<QString, QString> keys = values_.value(section);
        for (auto it = keys.begin(); it != keys.end(); ++it) {
            pairs.append({it.key(), it.value()});
        }
        return pairs;
    }

private:
    QMap<QString, QMap<QString, QString>> values_;
};

}  // namespace rotaline::testing
