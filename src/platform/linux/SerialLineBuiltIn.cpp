// The serial module built into a tool or test.
#include "SerialLine.h"

extern "C" rotaline::SerialLine* rotalineNewSerialLine();

namespace rotaline {

std::unique_ptr<SerialLine> newSerialLine(QString*) {
    return std::unique_ptr<SerialLine>(rotalineNewSerialLine());
}

}  // namespace rotaline
