#include "window/form/FormHost.h"

#include <QEventLoop>
#include <QTimer>

namespace rotaline {

void FormHost::waitProcessingEvents(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace rotaline
