#include "window/controls/ParameterHints.h"

#include <QHash>

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "model/SlotTable.h"

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
        const QString symbol = unitSymbol(text);
        if (symbol.isEmpty()) {
            continue;
        }
        for (const UnitName& unit : UnitNames) {
            if (symbol == fromView(unit.symbol)) {
                return &unit;
            }
        }
    }
    return nullptr;
}

QString hintOf(const Parameter& parameter, const ValueControl& control, const Language& language) {
    const UnitName* unit = unitOf(control.choiceTexts());
    const bool cells = parameter.encoding == WireEncoding::CellCode;
    const QString automatic = fromView(InitialCells.front());
    QString text = parameterText(language, parameter.hint) + '\n';
    if (cells && !control.choiceTexts().contains(automatic)) {  // a model's list without it
        text += texts::Hints(language, texts::NoNumberHint);
    } else {
        text += texts::Hints(language, texts::FactoryDefaultHint) +
                (cells ? automatic : control.choiceText(parameter.factoryValue).trimmed());
    }
    if (unit != nullptr) {
        text += '\n' + texts::Hints(language, texts::UnitHint) + texts::Hints(language, unit->name);
    }
    return text;
}

}  // namespace

void showParameterHints(const ControlSet& set, const Language& language) {
    QHash<QString, QStringList> captionHints;
    for (int slot = FirstParameterSlot; slot < SlotCount; ++slot) {
        const Parameter* parameter = findParameter(slot);
        if (parameter == nullptr) {
            continue;
        }
        ValueControl& control = set.owner(slot);
        const QString text = hintOf(*parameter, control, language);
        control.setToolTip(text);
        for (Control* part : control.parts()) {
            part->setToolTip(text);
        }
        captionHints[fromView(parameter->caption.name)] << text;
    }
    for (auto caption = captionHints.cbegin(); caption != captionHints.cend(); ++caption) {
        set.find(caption.key())->setToolTip(caption.value().join(QStringLiteral("\n\n")));
    }
}

}  // namespace rotaline
