#include "window/AdapterAdvice.h"

#include <array>

#include "model/AdapterChips.h"
#include "platform/Printable.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"AdapterAdvice"};

// %1 the adapter (its device, or its chip when the system made no device), %2 the module, the
// group, the program or the command (the driver on Windows), %3 the program's process, %4 the chips
// of the udev rule.
struct Advice {
    AdapterCause cause;
    const char* what;
    const char* fix;
};

constexpr std::array<Advice, 15> Advices{{
    {AdapterCause::Usable, QT_TRANSLATE_NOOP("AdapterAdvice", "Ready."), ""},
    {AdapterCause::TakenByBrltty,
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "brltty took the %1 adapter for a braille display, so it has no serial device."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Unless you use a braille display, run \"sudo apt remove brltty\" and plug the adapter in "
         "again.")},
    {AdapterCause::NoDriver,
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "No driver has taken the %1 adapter: it needs the kernel module %2."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Run \"sudo modprobe %2\"; if that fails, the kernel was updated: restart the computer.")},
    {AdapterCause::NoPermission,
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "You may not open %1: it belongs to the group %2, and your user is not in it."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Run \"sudo adduser $USER %2\", then log out and back in. Installed from its package, "
         "Rotaline opens %4 adapters without it (plug the adapter in again after installing).")},
    {AdapterCause::LogInAgain,
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Your user was added to the group %2 after this login began, so %1 may not "
                       "be opened yet."),
     QT_TRANSLATE_NOOP("AdapterAdvice", "Log out and back in (or restart the computer).")},
    {AdapterCause::ProbedByModemManager,
     QT_TRANSLATE_NOOP("AdapterAdvice", "ModemManager is probing %1 for a modem."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Wait a few seconds, or run \"sudo systemctl stop ModemManager\".")},
    {AdapterCause::Busy, QT_TRANSLATE_NOOP("AdapterAdvice", "%1 is in use by %2 (process %3)."),
     QT_TRANSLATE_NOOP("AdapterAdvice", "Close %2, then choose the port again.")},
    {AdapterCause::Sandbox,
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Rotaline runs in a sandbox that shows it no serial devices."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Allow it serial devices with \"%2\", then start Rotaline again.")},
    {AdapterCause::NothingPlugged,
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "No serial adapter is plugged in: the system shows none on USB."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Plug the adapter in. If it still does not show, its cable may be a charge-only cable "
         "(without data lines) or its hub may have no power: try another cable or socket.")},
    {AdapterCause::Absent, QT_TRANSLATE_NOOP("AdapterAdvice", "%1 is not present."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Plug the adapter in, or give its COM number to the adapter's device.")},
    {AdapterCause::NotSerial, QT_TRANSLATE_NOOP("AdapterAdvice", "%1 is not a serial device."),
     QT_TRANSLATE_NOOP("AdapterAdvice", "Give its COM number to the adapter's device.")},
    {AdapterCause::DriverMissing,
     QT_TRANSLATE_NOOP("AdapterAdvice", "No driver is installed for the %1 adapter."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Install its driver, %2, then plug the adapter in again. Windows Update may "
                       "offer it under Optional updates.")},
    {AdapterCause::DriverFailed,
     QT_TRANSLATE_NOOP("AdapterAdvice", "The driver of the %1 adapter could not start it."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Plug the adapter in again; if that does not help, install its driver, %2, "
                       "again. Prolific's newer drivers refuse old and copied PL2303 chips: use an "
                       "adapter with another chip.")},
    {AdapterCause::Disabled,
     QT_TRANSLATE_NOOP("AdapterAdvice", "The %1 adapter is disabled in the Device Manager."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "In the Device Manager, right-click the adapter and choose \"Enable device\".")},
    {AdapterCause::NoComPort,
     QT_TRANSLATE_NOOP("AdapterAdvice", "The driver of the %1 adapter makes no COM port for it."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Install its driver, %2, which makes one. FTDI's driver makes one only with "
                       "\"Load VCP\" ticked: Device Manager, the adapter's \"USB Serial "
                       "Converter\", Properties, Advanced.")},
}};

constexpr const char* SocketNote = QT_TRANSLATE_NOOP(
    "AdapterAdvice",
    "Another adapter of its kind has the same name, so its COM number follows the USB socket: "
    "keep the cable in that socket.");

constexpr std::array<const char*, 4> Standings{
    {QT_TRANSLATE_NOOP("AdapterAdvice", "Rotaline runs as root, which may open any serial device."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Your user is in the group \"dialout\", so it may open any serial adapter."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Your user was added to the group \"dialout\" after this login began: log out and back in "
         "before it may open serial adapters."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Installed from its package, Rotaline lets the user at the desktop open %1 adapters. "
         "Other "
         "devices need the group \"dialout\", which your user is not in: run \"sudo adduser $USER "
         "dialout\", then log out and back in.")}};

const Advice& adviceFor(AdapterCause cause) {
    return Advices[static_cast<size_t>(cause)];
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

QString socketNote(const Language& language) {
    return catalogue(language, SocketNote);
}

QString standingText(GroupStanding standing, const Language& language) {
    return filled(catalogue(language, Standings[static_cast<size_t>(standing)]),
                  {ruleChips(language)});
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
