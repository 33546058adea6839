#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>

#include "platform/Printable.h"

namespace rotaline {

namespace {

// The reason names what was typed, which a terminal would act on.
StartRequest refused(const QString& reason) {
    return {QString(), CommandLineStatus, filled(QStringLiteral("rotaline: %1\n"), {reason}), {}};
}

// The options QApplication takes for itself: with a value, then without.
constexpr std::array<const char*, 12> QtValueOptions{"platform",        "platformpluginpath",
                                                     "platformtheme",   "plugin",
                                                     "qwindowgeometry", "qwindowicon",
                                                     "qwindowtitle",    "display",
                                                     "geometry",        "style",
                                                     "stylesheet",      "session"};
constexpr std::array<const char*, 2> QtFlagOptions{"reverse", "widgetcount"};

void letQtOptionsThrough(QCommandLineParser& options) {
    for (const char* name : QtValueOptions) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(option);
    }
    for (const char* name : QtFlagOptions) {
        QCommandLineOption option{QString::fromLatin1(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.addOption(option);
    }
}

// Qt names the program by the path it was started as.
QString helpText(const QCommandLineParser& options, const QString& started) {
    QString text = options.helpText();
    const QString usage = QStringLiteral("Usage: ") + started;
    return text.startsWith(usage) ? text.replace(0, usage.size(), QStringLiteral("Usage: rotaline"))
                                  : text;
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
    // "-style" is one option, as Qt reads it, not five letters.
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    letQtOptionsThrough(options);
    options.addPositionalArgument(QStringLiteral("file"),
                                  QStringLiteral("A settings file (*.esc) to open after start-up."),
                                  QStringLiteral("[file]"));
    if (!options.parse(arguments)) {
        return refused(options.errorText());
    }
    if (options.isSet(help)) {
        return {QString(), 0, helpText(options, QCoreApplication::arguments().value(0)), {}};
    }
    if (options.isSet(version)) {
        return {QString(),
                0,
                QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n'),
                {}};
    }
    const QStringList files = options.positionalArguments();
    if (files.size() > 1) {
        return refused(filled(QStringLiteral("one settings file at a time, %1 given: %2"),
                              {QString::number(files.size()), files.join(QStringLiteral(", "))}));
    }
    StartRequest request;
    request.platform = options.value(QStringLiteral("platform"));
    if (!files.isEmpty() && !files.first().isEmpty()) {
        request.file = QDir::cleanPath(QFileInfo(files.first()).absoluteFilePath());
    }
    return request;
}

bool displayFor(const QString& platform) {
    const QString chosen = platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platform;
    const bool desktop = chosen.isEmpty() || chosen.startsWith(QLatin1String("xcb")) ||
                         chosen.startsWith(QLatin1String("wayland"));
    return !desktop || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace rotaline
