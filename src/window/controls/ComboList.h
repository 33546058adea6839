#pragma once

#include <QStringList>

#include "window/controls/ValueControl.h"

namespace rotaline {

// A pick-only drop-down list; its value is the chosen position. Clearing and filling select
// nothing and raise nothing; a change of the chosen position, by code or by the user, raises the
// change event.
class ComboList : public ValueControl {
public:
    ComboList(QString name, QString parent);

    const QStringList& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    int listIndex() const { return listIndex_; }
    QString text() const;  // the chosen entry, or "" with none chosen
    // Shown, greyed, while no entry is chosen.
    const QString& placeholder() const { return placeholder_; }
    void setPlaceholder(const QString& text);

    void clear();
    void addItem(const QString& item);
    void addItems(const QStringList& items);
    void removeItem(int position);

    bool setListIndex(int position);     // -1 .. count-1; false for any other position
    bool setText(const QString& entry);  // chooses the entry with that text; false if none has it

    int value() const override { return listIndex_; }
    bool setValue(int value) override { return setListIndex(value); }
    QString choiceText(int value) const override { return items_.value(value); }
    QStringList choiceTexts() const override { return items_; }
    void setChoiceTexts(const QStringList& texts) override;

    void copyStateOf(const Control& other) override;

private:
    QStringList items_;
    QString placeholder_;
    int listIndex_ = -1;
};

}  // namespace rotaline
