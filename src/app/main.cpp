#include <QApplication>

#include "app/Programmer.h"
#include "version.h"

using namespace rotaline;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Rotaline"));
    QApplication::setApplicationName(QStringLiteral("Rotaline"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));

    Programmer programmer;
    programmer.start();
    return app.exec();
}
