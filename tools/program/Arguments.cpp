#include "program/Arguments.h"

#include <optional>

#include "files/SettingsFile.h"
#include "platform/DevicePath.h"
#include "platform/Printable.h"
#include "platform/RegularFiles.h"

namespace rotaline {

namespace {

struct Choice {
    const char* option;
    const char* what;  // as in: "xml" is not a format
    QStringList values;
};

const Choice Format{"--format", "format", {"text", "json"}};
const Choice LanguageChoice{"--lang", "language", languageOptions()};

// Takes the choice option's value, given after "=" or as the next argument, into `value`; the
// reason when none fits.
QString takeValue(const Choice& choice, const std::optional<QString>& attached,
                  const QStringList& arguments, int& i, QString& value) {
    const QString allowed = choice.values.join(QStringLiteral(" or "));
    if (!attached && i + 1 >= arguments.size()) {
        return QStringLiteral("%1 needs a %2: %3")
            .arg(QLatin1String(choice.option), QLatin1String(choice.what), allowed);
    }
    value = attached ? *attached : arguments[++i];
    return choice.values.contains(value) ? QString()
                                         : QStringLiteral("\"%1\" is not a %2: %3")
                                               .arg(value, QLatin1String(choice.what), allowed);
}

// The files each mode takes, and how to say it when the count is wrong.
QString countProblem(const Request& request) {
    const auto given = QString::number(request.files.size());
    if (request.files.contains(QString())) {
        return request.mode == Request::Mode::Send && request.files.indexOf(QString()) == 1
                   ? QStringLiteral("DEVICE is empty: name the adapter's device, such as ") +
                         exampleDevice()
                   : QStringLiteral("a settings file's name is empty");
    }
    switch (request.mode) {
        case Request::Mode::Describe:
            return request.files.size() == 1
                       ? QString()
                       : "--describe takes one settings file, " + given + " given";
        case Request::Mode::Diff:
            return request.files.size() == 2
                       ? QString()
                       : "--diff compares two settings files, " + given + " given";
        case Request::Mode::Adapters:
            return request.files.isEmpty() ? QString()
                                           : "--adapters takes no file, " + given + " given";
        case Request::Mode::Send:
            return request.files.size() == 2
                       ? QString()
                       : "a settings file and a device are needed, " + given + " given";
        case Request::Mode::Sheet:
            return request.files.size() == 1
                       ? QString()
                       : "--sheet takes one settings file, " + given + " given";
        case Request::Mode::History:
            return request.files.isEmpty() ? QString()
                                           : "--history takes no file, " + given + " given";
        case Request::Mode::Help:
            break;
    }
    return {};
}

}  // namespace

QString languageOption(const Language& language) {
    const std::string_view code = language.code.substr(0, language.code.find('_'));
    return code.empty() ? QStringLiteral("en")
                        : QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()));
}

QStringList languageOptions() {
    QStringList options{languageOption(English)};
    for (const Language& language : Languages) {
        if (&language != &English) {
            options << languageOption(language);
        }
    }
    return options;
}

std::variant<Request, QString> parseArguments(const QStringList& arguments) {
    Request request;
    QStringList modes;
    bool json = false;
    bool language = false;
    for (int i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        std::optional<QString> attached;  // --option=value
        if (const qsizetype equals = argument.indexOf(QLatin1Char('='));
            argument.startsWith(QLatin1String("--")) && equals > 2) {
            attached = argument.mid(equals + 1);
            argument.truncate(equals);
        }
        const bool takesValue = argument == QLatin1String(Format.option) ||
                                argument == QLatin1String(LanguageChoice.option);
        if (attached && !takesValue) {
            return argument + QStringLiteral(" takes no value");
        }
        if (argument == QLatin1String("--help")) {
            request.mode = Request::Mode::Help;
            return request;
        }
        if (argument == QLatin1String("--describe") || argument == QLatin1String("--diff") ||
            argument == QLatin1String("--adapters") || argument == QLatin1String("--history")) {
            modes << argument;
        } else if (argument == QLatin1String("--sheet") || argument == QLatin1String("--last")) {
            if (i + 1 >= arguments.size()) {
                return argument + QStringLiteral(" needs a value");
            }
            const QString value = arguments[++i];
            if (argument == QLatin1String("--sheet")) {
                modes << argument;
                request.sheet = value;
            } else if (bool number = false;
                       (request.last = value.toInt(&number)), !number || request.last < 0) {
                return QStringLiteral("\"%1\" is not a number of records").arg(value);
            }
        } else if (argument == QLatin1String("--dry-run")) {
            request.dryRun = true;
        } else if (takesValue) {
            const bool isFormat = argument == QLatin1String(Format.option);
            QString value;
            if (QString problem =
                    takeValue(isFormat ? Format : LanguageChoice, attached, arguments, i, value);
                !problem.isEmpty()) {
                return problem;
            }
            (isFormat ? json : language) = true;
            if (isFormat) {
                request.json = value == QLatin1String("json");
            } else {
                for (const Language& language : Languages) {
                    if (languageOption(language) == value) {
                        request.language = &language;
                    }
                }
            }
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return argument + QStringLiteral(" is not an option");
        } else {
            request.files << argument;
        }
    }
    if (modes.size() > 1) {
        return modes.join(QStringLiteral(" and ")) + QStringLiteral(" do not go together");
    }
    const QString mode = modes.value(0);
    request.mode = mode.isEmpty()                        ? Request::Mode::Send
                   : mode == QLatin1String("--diff")     ? Request::Mode::Diff
                   : mode == QLatin1String("--adapters") ? Request::Mode::Adapters
                   : mode == QLatin1String("--history")  ? Request::Mode::History
                   : mode == QLatin1String("--sheet")    ? Request::Mode::Sheet
                                                         : Request::Mode::Describe;
    if (json && request.mode != Request::Mode::Describe &&
        request.mode != Request::Mode::Adapters && request.mode != Request::Mode::History) {
        return QStringLiteral("--format goes with --describe, --adapters or --history only");
    }
    if (language && request.mode == Request::Mode::Send) {
        return QStringLiteral(
            "--lang goes with --describe, --diff, --adapters, --history or --sheet only");
    }
    if (request.last >= 0 && request.mode != Request::Mode::History) {
        return QStringLiteral("--last goes with --history only");
    }
    if (request.dryRun && request.mode != Request::Mode::Send) {
        return QStringLiteral("--dry-run goes with sending only");
    }
    if (const QString problem = countProblem(request); !problem.isEmpty()) {
        return problem;
    }
    return request;
}

QString fileProblem(const QString& path) {
    const FileCheck file = regularFile(path, MaxSettingsFileBytes);
    switch (file.problem) {
        case 0:
            return file.size == 0 ? QStringLiteral("is empty, not a settings file") : QString();
        case FileProblem::NoSuchFile:
            return QStringLiteral("no such file");
        case FileProblem::IsFolder:
            return QStringLiteral("is a folder, not a settings file");
        case FileProblem::NotRegular:
            return QStringLiteral("is not a regular file");
        case FileProblem::TooLarge:
            return QStringLiteral("is larger than %1 KiB, too large for a settings file")
                .arg(MaxSettingsFileBytes / 1024);
        default:
            return (file.unopened ? QStringLiteral("cannot be read: ") : QString()) +
                   fileReason(file.problem);
    }
}

QString loadProblem(const QString& path, const QStringList& problems) {
    QString problem = problems.join(QStringLiteral("; ")).trimmed();
    if (const std::optional<QList<QByteArray>> lines = readSettingsLines(path)) {
        ParameterBlock block;
        for (int slot = 0; slot < SlotCount; ++slot) {
            if (decodeSettingsLines(*lines, slot, slot + 1, block) != SettingsFault::None) {
                problem =
                    QStringLiteral("not a settings file at line %1: ").arg(slot + 1) + problem;
                break;
            }
        }
    }
    return printable(path) + QStringLiteral(": ") + problem;
}

}  // namespace rotaline
