#include "platform/AppendLog.h"

#include "platform/linux/BaseFolders.h"

namespace rotaline {

QString userLogFolder() {
    const QString state = baseFolder("XDG_STATE_HOME", ".local/state");
    return state.isEmpty() ? QString() : state + QStringLiteral("/Rotaline");
}

}  // namespace rotaline
