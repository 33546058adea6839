#include "platform/SystemWords.h"

#include <array>

namespace rotaline {

namespace {

// What the Device Manager records of a port's device, and FTDI's driver that makes a port only
// when told to.
constexpr std::array<CauseWords, 4> Causes{{
    {AdapterCause::DriverMissing, "driver-missing",
     QT_TRANSLATE_NOOP("AdapterAdvice", "No driver is installed for the %1 adapter."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Install its driver, %2, then plug the adapter in again. Windows Update may "
                       "offer it under Optional updates.")},
    {AdapterCause::DriverFailed, "driver-failed",
     QT_TRANSLATE_NOOP("AdapterAdvice", "The driver of the %1 adapter could not start it."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Plug the adapter in again; if that does not help, install its driver, %2, "
                       "again. Prolific's newer drivers refuse old and copied PL2303 chips: use an "
                       "adapter with another chip.")},
    {AdapterCause::Disabled, "disabled",
     QT_TRANSLATE_NOOP("AdapterAdvice", "The %1 adapter is disabled in the Device Manager."),
     QT_TRANSLATE_NOOP(
         "AdapterAdvice",
         "In the Device Manager, right-click the adapter and choose \"Enable device\".")},
    {AdapterCause::NoComPort, "no-com-port",
     QT_TRANSLATE_NOOP("AdapterAdvice", "The driver of the %1 adapter makes no COM port for it."),
     QT_TRANSLATE_NOOP("AdapterAdvice",
                       "Install its driver, %2, which makes one. FTDI's driver makes one only with "
                       "\"Load VCP\" ticked: Device Manager, the adapter's \"USB Serial "
                       "Converter\", Properties, Advanced.")},
}};

}  // namespace

const Rows<CauseWords> SystemCauses{Causes};
// Every user may open the serial ports: there is no group to join.
const Rows<const char*> StandingWords{};
// An open refused names neither a group nor another program to stop.
const Rows<PortFixWords> SystemPortFixes{};

}  // namespace rotaline
