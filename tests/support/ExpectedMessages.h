#pragma once

#include <QList>
#include <QStringList>

namespace rotaline::testing {

// The 23 messages the factory defaults send when every control already shows its default;
// only the cell count's wire byte depends on the cell list of the moment.
inline QList<int> factoryDefaultBytes(int cellWire) {
    return {137, 1, 138, 2, 139, 1,        140, 1, 141, 1, 142, 1, 143, 1, 144, 1,
            145, 2, 146, 7, 147, cellWire, 148, 8, 149, 1, 150, 1, 151, 1, 152, 2,
            153, 1, 154, 1, 155, 1,        156, 1, 157, 1, 158, 1, 159, 1};
}

// The same messages as the decoder shows them; `cells` is the cell count's line.
inline QStringList factoryDefaultLines(const QString& cells) {
    return {
        "137 1  slot 9 brake type = 0 (OFF)",
        "138 2  slot 10 helicopter mode = 1 (Normal)",
        "139 1  slot 11 motor poles = 0 (2-4)",
        "140 1  slot 12 reverse = 0 (ON)",
        "141 1  slot 13 current limit = 0 (20A)",
        "142 1  slot 14 timing advance = 0 (0 degrees)",
        "143 1  slot 15 frequency = 0 (8KHz)",
        "144 1  slot 16 acceleration = 0 (Soft)",
        "145 2  slot 17 battery type = 1 (Li-ion/Poly )",
        "146 7  slot 18 cut-off per NiCd/NiMH cell = 6 (0.9V)",
        cells,
        "148 8  slot 20 cut-off per lithium cell = 7 (2.7V)",
        "149 1  slot 21 cut-off type = 0 (Slow Down)",
        "150 1  slot 22 initial point = 0 (Automatic)",
        "151 1  slot 23 end point = 0 (Automatic)",
        "152 2  slot 24 throttle curve = 1 (linear)",
        "153 1  slot 25 rotation = 0 (Left)",
        "154 1  slot 26 ABS = 0 (ON)",
        "155 1  slot 27 forward power limit = 0 (OFF)",
        "156 1  slot 28 reverse power limit = 0 (OFF)",
        "157 1  slot 29 delay time = 0 (0.25 S)",
        "158 1  slot 30 forward point = 0 (Automatic)",
        "159 1  slot 31 reverse point = 0 (Automatic)",
    };
}

inline const QString AutoCellsLine = QStringLiteral("147 1  slot 19 number of cells = 0 (Auto)");
inline const QString TwoCellsLine = QStringLiteral("147 2  slot 19 number of cells = 1 (2 cells)");

}  // namespace rotaline::testing
