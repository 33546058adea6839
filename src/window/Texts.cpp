#include "window/Texts.h"

#include <array>

#include "model/EscCatalogue.h"
#include "model/SlotTable.h"

namespace rotaline {

namespace {

struct ChinesePoints {
    const char* list;
    std::array<const char*, 7> entries;
};

constexpr std::array<ChinesePoints, 4> ChinesePointLists{{
    {"ComboIniPoint",
     {"自动", "固定1.0mS", "固定1.1mS", "固定1.2mS", "固定1.3mS", "固定1.4mS", "固定1.5mS"}},
    {"ComboEndPoint", {"自动", "固定1.7mS", "固定1.8mS", "固定1.9mS", "固定2.0mS"}},
    {"ComboForPoint", {"自动", "固定1.7mS", "固定1.8mS", "固定1.9mS"}},
    {"ComboRevPoint", {"自动", "固定1.0mS", "固定1.1mS", "固定1.2mS", "固定1.3mS"}},
}};

}  // namespace

QStringList valueListEntries(const QString& list) {
    QStringList entries;
    for (const SlotInfo& info : SlotTable) {
        if (fromView(info.owner) == list) {
            for (int i = 0; i < info.choiceCount(); ++i) {
                entries << fromView(info.choices[i]);
            }
        }
    }
    return entries;
}

QStringList initialCellEntries() {
    QStringList entries;
    for (std::string_view cell : InitialCells) {
        entries << fromView(cell);
    }
    return entries;
}

QStringList pointListEntries(const QString& list, bool chinese) {
    if (!chinese) {
        return valueListEntries(list);
    }
    QStringList entries;
    for (const ChinesePoints& points : ChinesePointLists) {
        if (list == QLatin1String(points.list)) {
            for (const char* entry : points.entries) {
                if (entry != nullptr) {
                    entries << QString::fromUtf8(entry);
                }
            }
        }
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
