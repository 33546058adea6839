#pragma once

#include <QStringList>

#include "window/controls/Control.h"

namespace rotaline {

// A pick-only drop-down list. Clearing and filling select nothing and raise nothing; a change
// of the chosen position, by code or by the user, raises the click event.
class ComboList : public Control {
public:
    ComboList(QString name, QString parent);

    const QStringList& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    int listIndex() const { return listIndex_; }
    QString text() const;  // the chosen entry, or "" with none chosen

    void clear();
    void addItem(const QString& item);
    void addItems(const QStringList& items);
    void removeItem(int position);

    bool setListIndex(int position);     // -1 .. count-1; false for any other position
    bool setText(const QString& entry);  // chooses the entry with that text; false if none has it

    void copyStateOf(const Control& other) override;

    std::function<void()> onClick;

private:
    QStringList items_;
    int listIndex_ = -1;
};

}  // namespace rotaline
