#include "model/ParameterBlock.h"

namespace rotaline {

ParameterBlock ParameterBlock::atStartUp() {
    ParameterBlock block;
    for (int slot = 3; slot < SlotCount; ++slot) {
        block.inUse[slot] = true;
    }
    block.value[10] = 1;
    block.value[24] = 1;
    return block;
}

}  // namespace rotaline
