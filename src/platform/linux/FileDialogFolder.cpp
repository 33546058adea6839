#include "platform/FileDialogFolder.h"

namespace rotaline {

QString firstFileDialogFolder() {
    return {};
}

}  // namespace rotaline
