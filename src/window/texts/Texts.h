#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "window/texts/Translation.h"

namespace rotaline {

struct Parameter;

namespace texts {

inline constexpr const char* CrLf = "\r\n";
inline constexpr const char* LoadNote = "Load File:";
// Messages of the port and the settings store.
inline constexpr TextContext Messages{"Messages"};
inline constexpr const char* PortInvalidNote = QT_TRANSLATE_NOOP("Messages", " port is invalid !");
inline constexpr const char* InvalidPortFirst = QT_TRANSLATE_NOOP("Messages", " is invalild ! ");
inline constexpr const char* InvalidPortSecond =
    QT_TRANSLATE_NOOP("Messages", "Please slect other COM port !");
// The settings store: %1 its file, %2 why.
inline constexpr const char* SettingsUnread = QT_TRANSLATE_NOOP(
    "Messages",
    "Rotaline cannot read its settings file %1:\r\n%2\r\nIt starts without its recent files and "
    "adapter assignments, and leaves the file as it is.");
inline constexpr const char* SettingsNotKept = QT_TRANSLATE_NOOP(
    "Messages",
    "Rotaline cannot keep its settings in %1:\r\n%2\r\nThe recent files and adapter assignments "
    "last until you quit.");

// The journal of what was sent: %1 its file and why.
inline constexpr const char* JournalNotKept = QT_TRANSLATE_NOOP(
    "Messages",
    "Rotaline cannot write its journal of what was sent:\r\n%1\r\nProgramming goes on; File > "
    "History lacks what is sent until the journal can be written again.");

}  // namespace texts

// A text of the tables, which are UTF-8.
inline QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The entry of the port list for port `number` (1..PortCount).
inline QString portName(int number) {
    return QStringLiteral("COM%1").arg(number);
}

// A text of the parameter table in a language ("" stays "").
QString parameterText(const Language& language, std::string_view words);
// The models of an ESC type, in list order.
QStringList modelNames(int type, const Language& language);
// The entries of the list that writes a parameter, in a language: the cell count's before any
// model is chosen, the others' as the parameter table gives them.
QStringList listEntries(const Parameter& parameter, const Language& language);

}  // namespace rotaline
