#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "window/controls/Control.h"
#include "window/controls/ValueControl.h"

namespace rotaline {

// The controls of the control table, made as designed; also each option button, by its name
// "Group(i)", for the view and the caption tables.
class ControlSet {
public:
    ControlSet();
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    // In the table's order: parents before their children.
    const std::vector<Control*>& inOrder() const { return order_; }
    Control* at(int row) const { return order_.at(static_cast<std::size_t>(row)); }
    Control* find(const QString& name) const { return byName_.value(name); }
    // The tab page that carries the control, or -1.
    int pageOf(const QString& name) const { return pages_.value(name, -1); }
    // The control that writes `slot`: an option group, a list or a bar (never the tab strip's).
    ValueControl& owner(int slot) const;

private:
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    QHash<QString, Control*> byName_;
    QHash<QString, int> pages_;
};

}  // namespace rotaline
