// The serial module as the programmer has it: loaded from beside the program (see
// ROTALINE_SERIAL_MODULE) when a port is first opened, and kept.
#include <QCoreApplication>
#include <QLibrary>

#include "SerialLine.h"

namespace rotaline {

std::unique_ptr<SerialLine> newSerialLine(QString* error) {
    static QLibrary module(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" ROTALINE_SERIAL_MODULE));
    const auto make = reinterpret_cast<NewSerialLine>(module.resolve(NewSerialLineSymbol));
    if (make == nullptr) {
        *error = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SerialLine>(make());
}

}  // namespace rotaline
