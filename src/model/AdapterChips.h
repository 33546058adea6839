#pragma once

#include <array>
#include <string_view>

namespace rotaline {

// A chip of USB serial programming cables, as the Linux kernel and udev know it, and the driver
// its maker offers for Windows.
struct AdapterChip {
    std::string_view name;           // as printed on the chip and in the listing
    std::string_view vendor;         // USB ids, four hex digits; none for a device class
    std::string_view product;        // that many makers' chips share a driver
    std::string_view driver;         // the kernel driver that binds its interface
    std::string_view module;         // the module that holds that driver
    std::string_view windowsDriver;  // as its maker names it, and the maker
    bool serialNumber;               // whether each chip carries a serial number of its own
    // Whether the kernel driver's drain returns only once the chip has sent its last byte;
    // otherwise only the line clock knows when the line is idle.
    bool exactDrain;
};

// Adding a chip is one row: the udev rule, the help texts, the manuals' lists and the
// diagnosis all read this table.
inline constexpr std::array<AdapterChip, 7> AdapterChips{{
    {"CH340", "1a86", "7523", "ch341", "ch341", "CH341SER (WCH)", false, false},
    {"CH341", "1a86", "5523", "ch341", "ch341", "CH341SER (WCH)", false, false},
    {"CP210x", "10c4", "ea60", "cp210x", "cp210x", "CP210x VCP (Silicon Labs)", true, true},
    {"FT232R", "0403", "6001", "ftdi_sio", "ftdi_sio", "VCP (FTDI)", true, true},
    {"FT231X", "0403", "6015", "ftdi_sio", "ftdi_sio", "VCP (FTDI)", true, true},
    {"PL2303", "067b", "2303", "pl2303", "pl2303", "PL2303 (Prolific)", false, false},
    // Boards and adapters that speak the USB modem class, each maker with its own ids.
    {"CDC-ACM", "", "", "cdc_acm", "cdc_acm", "usbser (Microsoft, part of Windows)", true, false},
}};

// The chip with those USB ids, else the one whose driver is bound, else none.
inline const AdapterChip* adapterChip(std::string_view vendor, std::string_view product,
                                      std::string_view driver = {}) {
    for (const AdapterChip& chip : AdapterChips) {
        if (!chip.vendor.empty() && chip.vendor == vendor && chip.product == product) {
            return &chip;
        }
    }
    for (const AdapterChip& chip : AdapterChips) {
        if (chip.vendor.empty() && !driver.empty() && chip.driver == driver) {
            return &chip;
        }
    }
    return nullptr;
}

}  // namespace rotaline
