#include "window/ParameterHints.h"

#include <QHash>

#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "window/MainForm.h"

namespace rotaline {

namespace {

// What follows the last digit of a text: "20A" gives "A", "Fixed 1.0mS" "mS", "2-4" nothing.
QString unitSymbol(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && !text[end - 1].isDigit()) {
        --end;
    }
    return end == 0 ? QString() : text.mid(end).trimmed();
}

const UnitName* unitOf(const QStringList& texts) {
    for (const QString& text : texts) {
        for (const UnitName& unit : UnitNames) {
            if (unitSymbol(text) == fromView(unit.symbol)) {
                return &unit;
            }
        }
    }
    return nullptr;
}

// The texts a parameter's control shows: its options, its entries, or the labels beside a bar.
QStringList shownTexts(const Control& control, const std::vector<Control*>& controls) {
    QStringList texts;
    if (const auto* group = dynamic_cast<const OptionGroup*>(&control)) {
        for (int i = 0; i < group->count(); ++i) {
            texts << group->button(i).caption();
        }
    } else if (const auto* list = dynamic_cast<const ComboList*>(&control)) {
        texts = list->items();
    } else {
        for (const Control* beside : controls) {
            if (beside->kind() == ControlKind::Label &&
                beside->parentName() == control.parentName()) {
                texts << beside->caption();
            }
        }
    }
    return texts;
}

QString hintOf(const Parameter& parameter, const Control& control, const QStringList& texts,
               const Language& language) {
    const UnitName* unit = unitOf(texts);
    const int value = parameter.factoryValue;
    const QString factory = control.kind() == ControlKind::ScrollBar
                                ? QString::number(value) + (unit ? fromView(unit->symbol) : "")
                                : texts.value(value).trimmed();
    QString text = parameterText(language, parameter.hint) + '\n' +
                   texts::Hints(language, texts::FactoryDefaultHint) + factory;
    if (unit != nullptr) {
        text += '\n' + texts::Hints(language, texts::UnitHint) + texts::Hints(language, unit->name);
    }
    return text;
}

}  // namespace

void MainForm::showParameterHints() {
    QHash<QString, QStringList> captionHints;
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        const Parameter* parameter = findParameter(slot);
        if (parameter == nullptr) {
            continue;
        }
        Control& control = ownerOf(slot);
        const QString text =
            hintOf(*parameter, control, shownTexts(control, controlsInOrder()), *flags_.language);
        control.setToolTip(text);
        if (auto* group = dynamic_cast<OptionGroup*>(&control)) {
            for (int i = 0; i < group->count(); ++i) {
                group->button(i).setToolTip(text);
            }
        }
        captionHints[fromView(parameter->caption.name)] << text;
    }
    for (auto caption = captionHints.cbegin(); caption != captionHints.cend(); ++caption) {
        find(caption.key())->setToolTip(caption.value().join(QStringLiteral("\n\n")));
    }
}

}  // namespace rotaline
