#include "window/texts/Texts.h"

#include <array>

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"

namespace rotaline {

QString parameterText(const Language& language, std::string_view words) {
    return words.empty() ? QString() : translated(language, "Parameters", words.data());
}

QStringList listEntries(const Parameter& parameter, const Language& language) {
    QStringList entries;
    if (parameter.encoding == WireEncoding::CellCode) {
        for (std::string_view cell : InitialCells) {
            entries << fromView(cell);
        }
        return entries;
    }
    if (!parameter.switchedItems.empty()) {
        return parameterText(language, parameter.switchedItems).split('|');
    }
    for (int i = 0; i < itemCount(parameter.items); ++i) {
        entries << fromView(itemAt(parameter.items, i));
    }
    return entries;
}

QStringList modelNames(int type, const Language& language) {
    QStringList names;
    for (const ControllerModel& model : ControllerModels) {
        if (model.type == type) {
            names << translated(language, "Catalogue", model.name.data());
        }
    }
    return names;
}

}  // namespace rotaline
