#include "platform/FileDialogFolder.h"

#include <QStandardPaths>

namespace rotaline {

// Started from the Start menu, the program's folder is the current one: a user's files are not
// kept there.
QString firstFileDialogFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

}  // namespace rotaline
