#pragma once

#include <string_view>

namespace rotaline {

// Texts of a table written as one, "a|b|c": how many there are ("" holds none) and the one at
// `index` ("" where there is none).
constexpr int itemCount(std::string_view items) {
    int count = items.empty() ? 0 : 1;
    for (const char c : items) {
        count += c == '|' ? 1 : 0;
    }
    return count;
}

constexpr std::string_view itemAt(std::string_view items, int index) {
    for (int i = 0; i < index && !items.empty(); ++i) {
        const std::size_t bar = items.find('|');
        items = bar == std::string_view::npos ? std::string_view() : items.substr(bar + 1);
    }
    return index < 0 ? std::string_view() : items.substr(0, items.find('|'));
}

}  // namespace rotaline
