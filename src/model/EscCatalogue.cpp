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
