#include "program/Describe.h"

#include <optional>

#include "files/SettingsFile.h"
#include "link/ProgrammingLink.h"
#include "platform/RecordingPort.h"
#include "program/Console.h"
#include "program/Output.h"
#include "window/form/MainForm.h"
#include "window/record/SettingsDescription.h"

namespace rotaline {

namespace {

// The file in the words the window would have after loading it, which sends to no port. A
// file the window refuses is reported as loading it reports it.
std::optional<SettingsDescription> describeFile(const QString& path, const Language& language) {
    RecordingPort port;
    ProgrammingLink link(port);
    Console console;
    MainForm form(link, console, console);
    form.setHost(&console);
    form.Form_Load();
    if (&language != &English) {
        console.answer = Dialogs::Answer::Yes;
        form.switchLanguage(language);
    }
    console.problems.clear();
    form.LoadSettingsFile(path);
    const std::optional<QList<QByteArray>> lines = readSettingsLines(path);
    if (!console.problems.isEmpty() || !lines) {
        printError(loadProblem(path, console.problems));
        return std::nullopt;
    }
    ParameterBlock block;  // as the file writes it: the load may set some flags otherwise
    decodeSettingsLines(*lines, 0, SlotCount, block);
    return describeSettings(form, block);
}

}  // namespace

int runDescribeCommand(const Request& request) {
    std::vector<SettingsDescription> described;
    for (const QString& file : request.files) {
        std::optional<SettingsDescription> description = describeFile(file, *request.language);
        if (!description) {
            return 2;
        }
        described.push_back(std::move(*description));
    }
    if (request.mode == Request::Mode::Diff) {
        const QStringList lines = differences(described[0], described[1], *request.language);
        printLines(lines);
        return lines.isEmpty() ? 0 : 1;
    }
    if (request.json) {
        printOut(describedJson(described[0]));
    } else {
        printLines(describedLines(described[0]));
    }
    return 0;
}

}  // namespace rotaline
