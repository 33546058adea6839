#include "model/EscCatalogue.h"

namespace rotaline {

const ControllerModel* findModel(int type, int index) {
    for (const ControllerModel& model : ControllerModels) {
        if (model.type == type && model.index == index) {
            return &model;
        }
    }
    return nullptr;
}

int modelCount(int type) {
    int count = 0;
    for (const ControllerModel& model : ControllerModels) {
        count += model.type == type ? 1 : 0;
    }
    return count;
}

int cellCount(const ControllerModel& model) {
    int count = 0;
    while (count < MaxCells && !model.cells[count].empty()) {
        ++count;
    }
    return count;
}

std::uint8_t cellCode(std::string_view entryText) {
    if (entryText.empty()) {
        return 0;
    }
    auto code = static_cast<std::uint8_t>(static_cast<unsigned char>(entryText.front()) - '1');
    if (code == 0) {
        return 9;
    }
    return code > 9 ? 0 : code;
}

}  // namespace rotaline
