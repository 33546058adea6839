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
    const QCommandLineOption help = options.addHelpOption();
    const QCommandLineOption version = options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("file"),
                                  QStringLiteral("A settings file (*.esc) to open after start-up."),
                                  QStringLiteral("[file]"));
    if (!options.parse(arguments)) {
        return refused(options.errorText());
    }
    if (options.isSet(help) || options.isSet(QStringLiteral("help-all"))) {
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
