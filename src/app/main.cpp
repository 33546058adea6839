#include <QApplication>
#include <cstdio>

#include "app/CommandLine.h"
#include "app/Programmer.h"
#include "platform/CommandLine.h"
#include "ui/ExtensionIcons.h"
#include "version.h"

using namespace rotaline;

int main(int argc, char** argv) {
    QApplication::setOrganizationName(QStringLiteral("Rotaline"));
    QApplication::setApplicationName(QStringLiteral("Rotaline"));
    // Lets the desktop match the window to its entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.rotaline.rotaline"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));

    // The command line is read before the display is reached, so that help, version and a
    // refusal work without one. Without arguments there is nothing to read.
    StartRequest request;
    if (argc > 1) {
        const QCoreApplication console(argc, argv);
        request = readCommandLine(QCoreApplication::arguments());
    }
    if (request.exitStatus) {
        writeStandard(*request.exitStatus == 0 ? StandardStream::Output : StandardStream::Error,
                      request.text.toUtf8());
        return *request.exitStatus;
    }
    if (!displayFor(request.platform)) {
        std::fputs(NoDisplay, stderr);
        return NoDisplayStatus;
    }
    QApplication app(argc, argv);
    drawExtensionArrowsWhenShown();
    Programmer programmer;
    programmer.start(request.file);
    return programmer.exec();
}
