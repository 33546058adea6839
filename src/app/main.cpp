#include <QApplication>
#include <QCommandLineParser>

#include "app/Programmer.h"
#include "version.h"

using namespace rotaline;

int main(int argc, char** argv) {
    QApplication::setOrganizationName(QStringLiteral("Rotaline"));
    QApplication::setApplicationName(QStringLiteral("Rotaline"));
    // Lets the desktop match the window to its entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.rotaline.rotaline"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Programs the brushless speed controllers of RC models over a serial "
                       "adapter."));
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("file"),
                                  QStringLiteral("A settings file (*.esc) to open after start-up."),
                                  QStringLiteral("[file]"));
    // Help and version are answered before the display is reached, so they work without one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (options.parse(arguments) && (options.isSet(help) || options.isSet(version))) {
        QCoreApplication console(argc, argv);
        options.process(console);
    }
    QApplication app(argc, argv);
    options.process(app);

    Programmer programmer;
    programmer.start(options.positionalArguments().value(0));
    return app.exec();
}
