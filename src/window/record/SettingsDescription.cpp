#include "window/record/SettingsDescription.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "platform/Printable.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"SettingsDescription"};

constexpr const char* NotInUse = QT_TRANSLATE_NOOP("SettingsDescription", "(not in use)");
constexpr const char* Arrow = " \u2192 ";

QString line(const QString& name, const QString& choice) {
    return name + QStringLiteral(": ") + choice;
}

// Blanks that only pad a caption would trail the line or stand before the arrow.
QString shown(const SlotDescription& parameter, const Language& language) {
    return parameter.inUse ? parameter.choice.trimmed() : catalogue(language, NotInUse);
}

}  // namespace

SettingsDescription describeSettings(const MainForm& form, const ParameterBlock& file) {
    SettingsDescription description;
    const int type = file.value[TypeSlot];
    description.type = form.controls().SSTab1->tabCaption(type);
    if (file.inUse[modelSlotOf(type)]) {
        description.model = form.controls().ComboCTRmodel[type]->text();
    }
    description.heading = description.model.isEmpty() ? description.type : form.modelNote(type);
    for (const Parameter& parameter : Parameters) {  // in the order the window makes them
        const int slot = parameter.slot;
        // A file that keeps no cell count leaves the controller counting the cells itself.
        const bool automatic = parameter.encoding == WireEncoding::CellCode && !file.inUse[slot];
        description.parameters.push_back(
            {slot, form.notePrefix(slot), file.value[slot],
             automatic ? fromView(InitialCells.front()) : form.choiceText(slot, file.value[slot]),
             (file.inUse[slot] || automatic) && form.letsSet(slot)});
    }
    return description;
}

QStringList describedLines(const SettingsDescription& description) {
    QStringList lines{description.heading};
    for (const SlotDescription& parameter : description.parameters) {
        if (parameter.inUse) {
            lines << line(parameter.name, shown(parameter, English));
        }
    }
    return lines;
}

QByteArray describedJson(const SettingsDescription& description) {
    return printableJson(QJsonDocument(describedObject(description)));
}

QJsonObject describedObject(const SettingsDescription& description) {
    QJsonArray parameters;
    for (const SlotDescription& parameter : description.parameters) {
        parameters.append(QJsonObject{
            {"slot", parameter.slot},
            {"name", parameter.name.trimmed()},
            {"value", parameter.value},
            {"choice",
             parameter.choice.isEmpty() ? QJsonValue() : QJsonValue(parameter.choice.trimmed())},
            {"inUse", parameter.inUse}});
    }
    return QJsonObject{
        {"type", description.type},
        {"model", description.model.isEmpty() ? QJsonValue() : QJsonValue(description.model)},
        {"parameters", parameters}};
}

QStringList differences(const SettingsDescription& before, const SettingsDescription& after,
                        const Language& language) {
    QStringList lines;
    if (before.heading != after.heading) {
        lines << before.heading + QString::fromUtf8(Arrow) + after.heading;
    }
    for (std::size_t i = 0; i < before.parameters.size(); ++i) {
        const SlotDescription& was = before.parameters[i];
        const SlotDescription& is = after.parameters[i];
        if ((was.inUse || is.inUse) &&
            (was.inUse != is.inUse || was.value != is.value || was.choice != is.choice)) {
            lines << line(is.inUse ? is.name : was.name,
                          shown(was, language) + QString::fromUtf8(Arrow) + shown(is, language));
        }
    }
    return lines;
}

}  // namespace rotaline
