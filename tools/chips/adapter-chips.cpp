// Writes what the build derives from the table of adapter chips: "udev" the package's rule,
// "list" the chips the rule covers as the manuals list them ("CH340 1a86:7523, ...").
#include <cstdio>
#include <cstring>

#include "model/AdapterChips.h"

using namespace rotaline;

namespace {

void printRule() {
    std::puts(
        "# The serial chips of common programming cables: the user at the desktop may open them "
        "without\n# joining dialout (uaccess, applied by 73-seat-late.rules, hence a number below "
        "73), and\n# ModemManager leaves them alone instead of probing them for a modem.\n"
        "# Made from Rotaline's table of adapter chips.");
    for (const AdapterChip& chip : AdapterChips) {
        if (!chip.vendor.empty()) {
            std::printf(
                "SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"%.*s\", ATTRS{idProduct}==\"%.*s\", "
                "TAG+=\"uaccess\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"\n",
                static_cast<int>(chip.vendor.size()), chip.vendor.data(),
                static_cast<int>(chip.product.size()), chip.product.data());
        }
    }
}

void printList() {
    const char* separator = "";
    for (const AdapterChip& chip : AdapterChips) {
        if (!chip.vendor.empty()) {
            std::printf("%s%.*s %.*s:%.*s", separator, static_cast<int>(chip.name.size()),
                        chip.name.data(), static_cast<int>(chip.vendor.size()), chip.vendor.data(),
                        static_cast<int>(chip.product.size()), chip.product.data());
            separator = ", ";
        }
    }
    std::puts("");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "udev") == 0) {
        printRule();
    } else if (argc == 2 && std::strcmp(argv[1], "list") == 0) {
        printList();
    } else {
        std::fputs("Usage: adapter-chips udev|list\n", stderr);
        return 2;
    }
    return 0;
}
