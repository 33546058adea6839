#include "window/Texts.h"

#include <array>

#include "model/EscCatalogue.h"
#include "model/ParameterTable.h"

namespace rotaline {

QStringList listEntries(const Parameter& parameter, bool chinese) {
    QStringList entries;
    if (parameter.encoding == WireEncoding::CellCode) {
        for (std::string_view cell : InitialCells) {
            entries << fromView(cell);
        }
        return entries;
    }
    const std::string_view switched = parameter.switchedItems.in(chinese);
    const std::string_view items = switched.empty() ? parameter.items : switched;
    for (int i = 0; i < itemCount(items); ++i) {
        entries << fromView(itemAt(items, i));
    }
    return entries;
}

QStringList modelNames(int type, bool chinese) {
    QStringList names;
    for (const ControllerModel& model : ControllerModels) {
        if (model.type == type) {
            names << fromView(chinese ? model.chinese : model.english);
        }
    }
    return names;
}

}  // namespace rotaline
