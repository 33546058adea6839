#include "program/Describe.h"

#include <cstdio>

#include "files/SettingsFile.h"
#include "link/ProgrammingLink.h"
#include "platform/RecordingPort.h"
#include "program/Console.h"
#include "window/MainForm.h"
#include "window/SettingsDescription.h"

namespace rotaline {

namespace {

struct Request {
    bool diff = false;
    bool json = false;
    bool chinese = false;
    QStringList files;
};

// The value after an option, if it is one of `allowed`.
std::optional<QString> optionValue(const QStringList& arguments, int& i,
                                   const QStringList& allowed) {
    if (i + 1 >= arguments.size() || !allowed.contains(arguments[i + 1])) {
        return std::nullopt;
    }
    return arguments[++i];
}

std::optional<Request> parse(const QStringList& arguments) {
    Request request;
    request.diff = arguments.first() == QStringLiteral("--diff");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--format") && !request.diff) {
            const std::optional<QString> format = optionValue(arguments, i, {"text", "json"});
            if (!format) {
                return std::nullopt;
            }
            request.json = *format == QStringLiteral("json");
        } else if (argument == QStringLiteral("--lang")) {
            const std::optional<QString> language = optionValue(arguments, i, {"en", "zh"});
            if (!language) {
                return std::nullopt;
            }
            request.chinese = *language == QStringLiteral("zh");
        } else if (argument.startsWith('-')) {
            return std::nullopt;
        } else {
            request.files << argument;
        }
    }
    if (request.files.size() != (request.diff ? 2 : 1)) {
        return std::nullopt;
    }
    return request;
}

// The file in the words the window would have after loading it, which sends to no port. A
// file the window refuses is reported as loading it reports it.
std::optional<SettingsDescription> describeFile(const QString& path, bool chinese) {
    RecordingPort port;
    ProgrammingLink link(port);
    Console console;
    MainForm form(link, console, console);
    form.setHost(&console);
    form.Form_Load();
    if (chinese) {
        console.answer = Dialogs::Answer::Yes;
        form.mnuChinese_Click();
    }
    console.problems.clear();
    form.LoadSettingsFile(path);
    const std::optional<QList<QByteArray>> lines = readSettingsLines(path);
    if (!console.problems.isEmpty() || !lines) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path),
                     console.problems.join(QStringLiteral("; ")).toUtf8().constData());
        return std::nullopt;
    }
    ParameterBlock block;  // as the file writes it: the load may set some flags otherwise
    decodeSettingsLines(*lines, 0, SlotCount, block);
    return describeSettings(form, block);
}

void print(const QStringList& lines) {
    for (const QString& line : lines) {
        std::printf("%s\n", line.toUtf8().constData());
    }
}

}  // namespace

bool isDescribeCommand(const QStringList& arguments) {
    return !arguments.isEmpty() && (arguments.first() == QStringLiteral("--describe") ||
                                    arguments.first() == QStringLiteral("--diff"));
}

std::optional<int> runDescribeCommand(const QStringList& arguments) {
    const std::optional<Request> request = parse(arguments);
    if (!request) {
        return std::nullopt;
    }
    std::vector<SettingsDescription> described;
    for (const QString& file : request->files) {
        std::optional<SettingsDescription> description = describeFile(file, request->chinese);
        if (!description) {
            return 2;
        }
        described.push_back(std::move(*description));
    }
    if (request->diff) {
        const QStringList lines = differences(described[0], described[1], request->chinese);
        print(lines);
        return lines.isEmpty() ? 0 : 1;
    }
    if (request->json) {
        std::fputs(describedJson(described[0]).constData(), stdout);
    } else {
        print(describedLines(described[0]));
    }
    return 0;
}

}  // namespace rotaline
