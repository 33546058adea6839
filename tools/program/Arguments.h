#pragma once

#include <QStringList>
#include <variant>

#include "model/Languages.h"

namespace rotaline {

// What a run of rotaline-program is asked to do.
struct Request {
    enum class Mode { Send, Describe, Diff, Adapters, History, Sheet, Help };
    Mode mode = Mode::Send;
    bool dryRun = false;
    bool json = false;
    const Language* language = &English;
    QStringList files;  // the settings files, then for a send the device
    QString sheet;      // the PDF a setup sheet goes to
    int last = -1;      // how many journal records to show; -1: all
};

// The request the arguments make, options anywhere among the files, or the reason they make
// none, naming the option or value at fault.
std::variant<Request, QString> parseArguments(const QStringList& arguments);

// The value of --lang that names `language`: its catalogue's language, "en" for English.
QString languageOption(const Language& language);
// The values --lang takes, English first.
QStringList languageOptions();

// Why `path` cannot be read as a settings file ("no such file", "is a folder", the system's
// reason), or nothing when it can be tried. Nothing waits on a pipe or a device.
QString fileProblem(const QString& path);

// "FILE: " and why loading refused the file: the problems it reported, after the line at fault
// where a line is not one of a settings file.
QString loadProblem(const QString& path, const QStringList& problems);

}  // namespace rotaline
