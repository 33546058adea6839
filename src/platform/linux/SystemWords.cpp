#include "platform/SystemWords.h"

#include <array>

namespace rotaline {

namespace {

// brltty takes CH340/CH341 adapters away as braille displays, ModemManager opens new serial
// ports to probe them for modems, and the serial devices belong to the group "dialout".
constexpr std::array<CauseWords, 6> Causes{{
    {AdapterCause::Claimed, "brltty",
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "brltty took the %1 adapter for a braille display, so it has no serial device."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Unless you use a braille display, run \"sudo apt remove brltty\" and plug the adapter in "
         "again.")},
    {AdapterCause::NoDriver, "no-driver",
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "No driver has taken the %1 adapter: it needs the kernel module %2."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Run \"sudo modprobe %2\"; if that fails, the kernel was updated: restart the computer.")},
    {AdapterCause::NoPermission, "no-permission",
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "You may not open %1: it belongs to the group %2, and your user is not in it."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "Run \"sudo adduser $USER %2\", then log out and back in. Installed from its package, "
         "Rotaline opens %4 adapters without it (plug the adapter in again after installing).")},
    {AdapterCause::LogInAgain, "log-in-again",
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Your user was added to the group %2 after this login began, so %1 may not "
                       "be opened yet."),
     QT_TRANSLATE_NOOP("AdapterAdvice", "Log out and back in (or restart the computer).")},
    {AdapterCause::Probed, "modemmanager",
     QT_TRANSLATE_NOOP("AdapterAdvice", "ModemManager is probing %1 for a modem."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Wait a few seconds, or run \"sudo systemctl stop ModemManager\".")},
    {AdapterCause::Sandbox, "sandbox",
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Rotaline runs in a sandbox that shows it no serial devices."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Allow it serial devices with \"%2\", then start Rotaline again.")},
}};

// In the order of GroupStanding.
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

constexpr std::array<PortFixWords, 3> PortFixes{{
    {PortProblem::PermissionDenied,
     QT_TRANSLATE_NOOP(
         "PortHelp",
         "Installed from its package, Rotaline lets the user at the desktop open %2 adapters (plug "
         "the adapter in again after installing). For other devices, add yourself to the dialout "
         "group with \"sudo adduser $USER dialout\", then log out and in again.")},
    {PortProblem::Claimed,
     QT_TRANSLATE_NOOP(
         "PortHelp",
         "brltty is running: it takes CH340/CH341 adapters for braille displays, and their device "
         "vanishes. Unless you use a braille display, remove it (\"sudo apt remove brltty\") and "
         "plug the adapter in again.")},
    {PortProblem::Probed,
     QT_TRANSLATE_NOOP(
         "PortHelp",
         "ModemManager is probing the new port for a modem: wait a few seconds and choose the port "
         "again, or stop it with \"sudo systemctl stop ModemManager\".")},
}};

}  // namespace

const Rows<CauseWords> SystemCauses{Causes};
const Rows<const char*> StandingWords{Standings};
const Rows<PortFixWords> SystemPortFixes{PortFixes};

}  // namespace rotaline
