#include "window/record/UserGuide.h"

#include <array>

#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "platform/Printable.h"
#include "window/form/MainForm.h"
#include "window/texts/Texts.h"
#include "window/texts/Translation.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"UserGuide"};

constexpr const char* Title = QT_TRANSLATE_NOOP("UserGuide", "How to use Rotaline");

struct Section {
    const char* heading;
    const char* text;  // paragraphs split by "\n"
};

// Before the settings.
constexpr std::array<Section, 2> Before{{
    {QT_TRANSLATE_NOOP("UserGuide", "Connecting the controller"),
     QT_TRANSLATE_NOOP(
         "UserGuide",
         "Plug the programming adapter into a USB port and its cable into the controller's "
         "programming socket (for most controllers, the throttle lead), then power the controller "
         "as its manual says.\n"
         "Open File > Serial adapters... (or click the lamp): it lists the serial adapters the "
         "system sees, says when none is plugged in and whether your user may open one, and gives "
         "your adapter a COM number. The adapter keeps that number when it is plugged in again.\n"
         "The lamp beside the port list lights when the port opens. When it stays off, the status "
         "bar and the lamp's tooltip say why and how to fix it.")},
    {QT_TRANSLATE_NOOP("UserGuide", "Port, type and model"),
     QT_TRANSLATE_NOOP(
         "UserGuide",
         "Choose the COM number of your adapter in the port list. Then choose the tab of your "
         "controller's type (airplane, helicopter, boat or car) and its model in the list on "
         "that tab: choosing the model sends the model's factory settings to the controller.\n"
         "Every change of a setting is sent at once and written in the note box. A setting that "
         "could not be sent is framed in red with a \"!\" until File > Send all settings again "
         "sends it.")},
}};

constexpr Section SettingsSection{
    QT_TRANSLATE_NOOP("UserGuide", "What each setting does"),
    QT_TRANSLATE_NOOP(
        "UserGuide",
        "Only the settings your controller's type and model offer can be changed; the others are "
        "hidden or greyed. Factory Default sends every factory setting again.")};

// After the settings.
constexpr std::array<Section, 3> After{{
    {QT_TRANSLATE_NOOP("UserGuide", "Settings files"),
     QT_TRANSLATE_NOOP(
         "UserGuide",
         "File > Save... writes the settings shown to a *.esc file, File > Open... loads one and "
         "sends its settings to the controller; the File menu lists the last four files. The "
         "save dialog starts on the file opened or saved last, and asks before it replaces any "
         "other file. The window's title names that file and marks it with \"*\" while the "
         "settings shown differ from it.")},
    {QT_TRANSLATE_NOOP("UserGuide", "Undo"),
     QT_TRANSLATE_NOOP(
         "UserGuide",
         "Edit > Undo puts your last change of a setting back and Edit > Redo makes it again; "
         "each is sent like a change of your own. Factory Default is one step: Undo sends back "
         "every value it replaced. Choosing a model, a tab, a port or loading a file starts the "
         "history afresh.")},
    {QT_TRANSLATE_NOOP("UserGuide", "The keyboard"),
     QT_TRANSLATE_NOOP(
         "UserGuide",
         "Tab goes through the window from the top left, row by row; an option group is one stop "
         "and the arrow keys choose inside it. The timing bar steps 1 with Left/Right and 5 with "
         "Page Up/Page Down.\n"
         "Ctrl+O opens, Ctrl+S saves, %1 exits, Ctrl+Z undoes and Ctrl+Shift+Z redoes; "
         "Alt with a menu's underlined letter opens that menu.")},
}};

// The key that exits: the platform's Quit key where it has one, else the window's close key.
constexpr const char* QuitKey = QT_TRANSLATE_NOOP("UserGuide", "Ctrl+Q");
constexpr const char* CloseKey = QT_TRANSLATE_NOOP("UserGuide", "Alt+F4");

QString paragraphs(const QString& text) {
    return QStringLiteral("<p>") +
           text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("</p><p>")) +
           QStringLiteral("</p>");
}

QString section(const Section& section, const Language& language, const QString& exitKey) {
    return QStringLiteral("<h2>") + catalogue(language, section.heading).toHtmlEscaped() +
           QStringLiteral("</h2>") +
           paragraphs(filled(catalogue(language, section.text), {exitKey}));
}

// Each setting by the name its note gives it, with its control's hint.
QString settingsList(const MainForm& form) {
    QString list = QStringLiteral("<dl>");
    for (const Parameter& parameter : Parameters) {
        const Control* control = form.find(fromView(slotInfo(parameter.slot).owner));
        list +=
            QStringLiteral("<dt><b>") + form.notePrefix(parameter.slot).trimmed().toHtmlEscaped() +
            QStringLiteral("</b></dt><dd>") +
            control->toolTip().toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
            QStringLiteral("</dd>");
    }
    return list + QStringLiteral("</dl>");
}

}  // namespace

QString userGuideTitle(const Language& language) {
    return catalogue(language, Title);
}

QString userGuide(const MainForm& form, bool quitKey) {
    const Language& language = *form.flags().language;
    const QString exitKey = catalogue(language, quitKey ? QuitKey : CloseKey);
    QString html =
        QStringLiteral("<h1>") + userGuideTitle(language).toHtmlEscaped() + QStringLiteral("</h1>");
    for (const Section& part : Before) {
        html += section(part, language, exitKey);
    }
    html += section(SettingsSection, language, exitKey) + settingsList(form);
    for (const Section& part : After) {
        html += section(part, language, exitKey);
    }
    return html;
}

}  // namespace rotaline
