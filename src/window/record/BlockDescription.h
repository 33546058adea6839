#pragma once

#include <optional>

#include "model/ParameterBlock.h"
#include "window/record/SettingsDescription.h"

namespace rotaline {

// A block in the window's words, beside the factory settings of its type and model.
struct DescribedBlock {
    SettingsDescription settings;
    SettingsDescription factory;  // what choosing the same model sets
};

// What a window that loads `block` would show, in its language; nothing when loading it fails.
std::optional<DescribedBlock> describeBlock(const ParameterBlock& block, const Language& language);

// Whether a parameter in use holds another value than the factory gives it.
bool differsFromFactory(const DescribedBlock& described, std::size_t parameter);
int changedFromFactory(const DescribedBlock& described);

}  // namespace rotaline
