#include "model/ParameterBlock.h"

#include "model/ParameterTable.h"

namespace rotaline {

ParameterBlock ParameterBlock::atStartUp() {
    ParameterBlock block;
    for (int slot = 3; slot < SlotCount; ++slot) {
        block.inUse[slot] = true;
    }
    for (const Parameter& parameter : Parameters) {
        block.value[parameter.slot] = static_cast<std::uint8_t>(parameter.startUpValue);
    }
    return block;
}

}  // namespace rotaline
