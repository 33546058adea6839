#include "window/texts/SystemReasons.h"

#include <QDir>
#include <QRegularExpression>
#include <array>

#include "platform/Printable.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"SystemReasons"};

// Letter for letter as the platform layer writes them; %n stands for a name or the system's
// own words. The port's reasons the port help words itself (absent, busy, stuck) are not here.
constexpr std::array<const char*, 16> Reasons{{
    QT_TRANSLATE_NOOP("SystemReasons", "It is read-only."),
    QT_TRANSLATE_NOOP("SystemReasons", "It is a folder."),
    QT_TRANSLATE_NOOP("SystemReasons", "It is not a regular file."),
    QT_TRANSLATE_NOOP("SystemReasons", "It is a symbolic link."),
    QT_TRANSLATE_NOOP("SystemReasons", "It is larger than 64 KiB."),
    QT_TRANSLATE_NOOP("SystemReasons", "It is full and cannot be rotated: %1"),
    QT_TRANSLATE_NOOP("SystemReasons", "The file could not be written."),
    QT_TRANSLATE_NOOP("SystemReasons", "A value is too large to be saved."),
    QT_TRANSLATE_NOOP("SystemReasons", "A line is longer than the file may grow."),
    QT_TRANSLATE_NOOP("SystemReasons", "APPDATA is not set, so there is no folder for settings."),
    QT_TRANSLATE_NOOP("SystemReasons", "HOME is not set, so there is no folder for settings."),
    QT_TRANSLATE_NOOP("SystemReasons", "The settings file %1 cannot be read: %2"),
    QT_TRANSLATE_NOOP("SystemReasons",
                      "In the settings file %1, %2 holds a comma outside quotes, so it is no "
                      "single value."),
    QT_TRANSLATE_NOOP("SystemReasons", "%1 cannot be opened: %2"),
    QT_TRANSLATE_NOOP("SystemReasons", "%1 cannot be set to %2."),
    QT_TRANSLATE_NOOP("SystemReasons", "The port is not open."),
}};

// "%1 cannot be opened: %2" as a pattern that takes the words in the places of %1 and %2.
QRegularExpression patternOf(const QString& source) {
    QString pattern = QRegularExpression::escape(source);
    pattern.replace(QRegularExpression(QStringLiteral("\\\\?%\\d")), QStringLiteral("(.*)"));
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'),
                              QRegularExpression::DotMatchesEverythingOption);
}

}  // namespace

QString reasonIn(const QString& reason, const Language& language) {
    for (const char* source : Reasons) {
        const QRegularExpressionMatch match = patternOf(QLatin1String(source)).match(reason);
        if (match.hasMatch()) {
            return filled(catalogue(language, source), match.capturedTexts().mid(1));
        }
    }
    return reason;
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace rotaline
