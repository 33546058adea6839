#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace rotaline {

namespace {

StartRequest refused(const QString& reason) {
    return {QString(), CommandLineStatus, QStringLiteral("rotaline: %1\n").arg(reason)};
}

}  // namespace

StartRequest readCommandLine(const QStringList& arguments) {
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Programs the brushless speed controllers of RC models over a serial "
                       "adapter."));
    // Our own help option: Qt's also offers --help-all, whose Qt options this program refuses.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    options.addOption(help);
    const QCommandLineOption version = options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("file"),
                                  QStringLiteral("A settings file (*.esc) to open after start-up."),
                                  QStringLiteral("[file]"));
    if (!options.parse(arguments)) {
        return refused(options.errorText());
    }
    if (options.isSet(help)) {
        return {QString(), 0, options.helpText()};
    }
    if (options.isSet(version)) {
        return {QString(), 0,
                QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n')};
    }
    const QStringList files = options.positionalArguments();
    if (files.size() > 1) {
        return refused(QStringLiteral("one settings file at a time, %1 given: %2")
                           .arg(files.size())
                           .arg(files.join(QStringLiteral(", "))));
    }
    if (files.isEmpty() || files.first().isEmpty()) {
        return {};
    }
    return {QDir::cleanPath(QFileInfo(files.first()).absoluteFilePath()), std::nullopt, QString()};
}

}  // namespace rotaline
