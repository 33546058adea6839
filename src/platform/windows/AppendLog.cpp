#include "platform/AppendLog.h"

#include <QStandardPaths>

namespace rotaline {

// %LOCALAPPDATA%\Rotaline: the journal stays on this computer.
QString userLogFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Rotaline");
}

}  // namespace rotaline
