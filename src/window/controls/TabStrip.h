#pragma once

#include <QStringList>

#include "window/controls/Control.h"

namespace rotaline {

// Tabs in one row. A change of the selected tab raises the click event with the tab
// selected before.
class TabStrip : public Control {
public:
    TabStrip(QString name, QString parent, const QStringList& captions, int selected);

    int count() const { return static_cast<int>(captions_.size()); }
    int selected() const { return selected_; }
    bool select(int tab);  // false outside 0..count-1
    const QString& tabCaption(int tab) const { return captions_.at(tab); }
    void setSelectedCaption(const QString& caption);

    void copyStateOf(const Control& other) override;

    std::function<void(int previousTab)> onClick;

private:
    QStringList captions_;
    int selected_;
};

}  // namespace rotaline
