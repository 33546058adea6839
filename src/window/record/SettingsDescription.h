#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

#include "model/ParameterBlock.h"

namespace rotaline {

class MainForm;

// One parameter of a settings file, in the words of its change note.
struct SlotDescription {
    int slot = 0;
    QString name;  // the note's prefix
    int value = 0;
    QString choice;      // the note's choice text; "" where the control has no such choice
    bool inUse = false;  // the file sets it and the window lets the user set it
};

// The controller a settings file is for, and every parameter in the order of the window's
// groups.
struct SettingsDescription {
    QString type;
    QString model;    // "" when the file chooses none for its type
    QString heading;  // the note choosing that model writes, or the type alone
    std::vector<SlotDescription> parameters;
};

// The file's values and flags in the words of `form`, which has just loaded that file: its
// language, and the lists the file's model gave it.
SettingsDescription describeSettings(const MainForm& form, const ParameterBlock& file);

// The heading, then "name: choice" for each parameter in use.
QStringList describedLines(const SettingsDescription& description);
QByteArray describedJson(const SettingsDescription& description);
QJsonObject describedObject(const SettingsDescription& description);

// "name: before → after" for each parameter set otherwise (one in use in neither file is
// not), after the headings when the controllers differ.
QStringList differences(const SettingsDescription& before, const SettingsDescription& after,
                        const Language& language);

}  // namespace rotaline
