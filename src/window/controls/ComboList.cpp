#include "window/controls/ComboList.h"

namespace rotaline {

ComboList::ComboList(QString name, QString parent)
    : ValueControl(std::move(name), ControlKind::ComboList, std::move(parent)) {}

QString ComboList::text() const {
    return listIndex_ < 0 ? QString() : items_.at(listIndex_);
}

void ComboList::setPlaceholder(const QString& text) {
    placeholder_ = text;
    notify(Property::Items);
}

void ComboList::clear() {
    items_.clear();
    listIndex_ = -1;
    notify(Property::Items);
}

void ComboList::addItem(const QString& item) {
    items_.append(item);
    notify(Property::Items);
}

void ComboList::addItems(const QStringList& items) {
    items_.append(items);
    notify(Property::Items);
}

void ComboList::removeItem(int position) {
    if (position < 0 || position >= count()) {
        return;
    }
    items_.removeAt(position);
    if (position == listIndex_) {
        listIndex_ = -1;
    } else if (position < listIndex_) {
        --listIndex_;
    }
    notify(Property::Items);
}

bool ComboList::setListIndex(int position) {
    return changeValue(listIndex_, position, -1, count() - 1, onChange);
}

bool ComboList::setText(const QString& entry) {
    const int position = static_cast<int>(items_.indexOf(entry));
    return position >= 0 && setListIndex(position);
}

void ComboList::setChoiceTexts(const QStringList& texts) {
    clear();
    addItems(texts);
}

void ComboList::copyStateOf(const Control& other) {
    Control::copyStateOf(other);
    const auto& list = static_cast<const ComboList&>(other);
    items_ = list.items_;
    placeholder_ = list.placeholder_;
    listIndex_ = list.listIndex_;
    notify(Property::Items);
}

}  // namespace rotaline
