#include "window/controls/ControlSet.h"

#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "window/controls/ComboList.h"
#include "window/controls/ControlTable.h"
#include "window/controls/OptionGroup.h"
#include "window/controls/ScrollBar.h"
#include "window/controls/TabStrip.h"
#include "window/controls/TextBox.h"
#include "window/controls/Toolbar.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

QStringList itemsOf(const ControlDesign& design) {
    return fromView(design.items).split('|');
}

QList<Toolbar::Button> toolbarButtons() {
    QList<Toolbar::Button> buttons;
    for (const ToolbarButtonDesign& button : ToolbarButtons) {
        buttons.append({fromView(button.key), fromView(button.picture)});
    }
    return buttons;
}

QStringList escTypeNames() {
    QStringList names;
    for (const EscType& type : EscTypes) {
        names << fromView(type.name);
    }
    return names;
}

std::unique_ptr<Control> makeControl(const ControlDesign& design) {
    const QString name = fromView(design.name);
    const QString parent = fromView(design.parent);
    switch (design.kind) {
        case ControlKind::OptionGroup: {
            auto group = std::make_unique<OptionGroup>(name, parent, itemsOf(design));
            group->select(design.selected);
            return group;
        }
        case ControlKind::ComboList:
            return std::make_unique<ComboList>(name, parent);
        case ControlKind::ScrollBar: {
            const Range& range = design.range;
            auto bar = std::make_unique<ScrollBar>(name, parent, range.minimum, range.maximum,
                                                   range.smallStep, range.largeStep);
            QStringList texts;
            for (int value = range.minimum; value <= range.maximum; ++value) {
                texts << QString::number(value) + fromView(range.unit);
            }
            bar->setChoiceTexts(texts);
            return bar;
        }
        case ControlKind::TabStrip:
            return std::make_unique<TabStrip>(name, parent, escTypeNames(), design.selected);
        case ControlKind::TextBox: {
            auto box = std::make_unique<TextBox>(name, parent);
            box->setText(fromView(design.caption));
            return box;
        }
        case ControlKind::Toolbar:
            return std::make_unique<Toolbar>(name, parent, toolbarButtons());
        default:
            return std::make_unique<Control>(name, design.kind, parent);
    }
}

}  // namespace

ControlSet::ControlSet() {
    for (const ControlDesign& design : ControlTable) {
        std::unique_ptr<Control> control = makeControl(design);
        if (design.kind != ControlKind::TextBox) {
            control->setCaption(fromView(design.caption), true);
        }
        control->setVisible(design.visible);
        pages_.insert(control->name(), design.page);
        byName_.insert(control->name(), control.get());
        for (Control* part : control->parts()) {
            byName_.insert(part->name(), part);
        }
        order_.push_back(control.get());
        owned_.push_back(std::move(control));
    }
}

ValueControl& ControlSet::owner(int slot) const {
    return static_cast<ValueControl&>(*find(fromView(slotInfo(slot).owner)));
}

}  // namespace rotaline
