#include "window/port/AdapterAdvice.h"

#include <array>

#include "model/AdapterChips.h"
#include "platform/Printable.h"
#include "platform/SystemWords.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"AdapterAdvice"};

// What every system may find; the system words the causes of its own (platform/SystemWords.h),
// with the same placeholders.
constexpr std::array<CauseWords, 5> SharedCauses{{
    {AdapterCause::Usable, "usable", QT_TRANSLATE_NOOP("AdapterAdvice", "Ready."), ""},
    {AdapterCause::Busy, "in-use",
     QT_TRANSLATE_NOOP("AdapterAdvice", "%1 is in use by %2 (process %3)."),
     QT_TRANSLATE_NOOP("AdapterAdvice", "Close %2, then choose the port again.")},
    {AdapterCause::NothingPlugged, "nothing-plugged",
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "No serial adapter is plugged in: the system shows none on USB."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Plug the adapter in. If it still does not show, its cable may be a charge-only cable "
         "(without data lines) or its hub may have no power: try another cable or socket.")},
    {AdapterCause::Absent, "absent", QT_TRANSLATE_NOOP("AdapterAdvice", "%1 is not present."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Plug the adapter in, or give its COM number to the adapter's device.")},
    {AdapterCause::NotSerial, "not-serial",
     QT_TRANSLATE_NOOP("AdapterAdvice", "%1 is not a serial device."),
     QT_TRANSLATE_NOOP("AdapterAdvice", "Give its COM number to the adapter's device.")},
}};

constexpr const char* SocketNote = QT_TRANSLATE_NOOP(
    "AdapterAdvice",
    "Another adapter of its kind has the same name, so its COM number follows the USB socket: "
    "keep the cable in that socket.");

// A cause no system finds has no words.
const CauseWords& adviceFor(AdapterCause cause) {
    static constexpr CauseWords None{AdapterCause::Usable, "", "", ""};
    for (const Rows<CauseWords>& rows : {Rows<CauseWords>{SharedCauses}, SystemCauses}) {
        for (const CauseWords& words : rows) {
            if (words.cause == cause) {
                return words;
            }
        }
    }
    return None;
}

QString filledIn(const QString& text, const AdapterFinding& finding, const Language& language) {
    const QString adapter = finding.device.isEmpty() ? finding.chip : finding.device;
    return filled(text,
                  {adapter, finding.detail, QString::number(finding.pid), ruleChips(language)});
}

}  // namespace

QString adapterCause(const AdapterFinding& finding, const Language& language) {
    const char* what = adviceFor(finding.cause).what;
    return filledIn(catalogue(language, what), finding, language);
}

QString adapterFix(const AdapterFinding& finding, const Language& language) {
    const char* fix = adviceFor(finding.cause).fix;
    return filledIn(catalogue(language, fix), finding, language);
}

QString causeName(const AdapterFinding& finding) {
    return QLatin1String(adviceFor(finding.cause).name);
}

QString socketNote(const Language& language) {
    return catalogue(language, SocketNote);
}

QString standingText(GroupStanding standing, const Language& language) {
    const Rows<const char*> standings = StandingWords;
    const auto index = static_cast<size_t>(standing);
    return index < standings.count
               ? filled(catalogue(language, standings.first[index]), {ruleChips(language)})
               : QString();
}

QString ruleChips(const Language& language) {
    QStringList names;
    for (const AdapterChip& chip : AdapterChips) {
        if (!chip.vendor.empty()) {
            names << fromView(chip.name);
        }
    }
    const QString last = names.takeLast();
    return catalogue(language, QT_TRANSLATE_NOOP("AdapterAdvice", "%1 and %2"))
        .arg(names.join(catalogue(language, QT_TRANSLATE_NOOP("AdapterAdvice", ", "))), last);
}

QString sentenceJoint(const Language& language) {
    return catalogue(language, QT_TRANSLATE_NOOP("AdapterAdvice", "%1 %2"))
        .arg(QString(), QString());
}

}  // namespace rotaline
