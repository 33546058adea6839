#include "window/port/PortHelp.h"

#include <array>

#include "platform/Printable.h"
#include "platform/SystemWords.h"
#include "window/port/AdapterAdvice.h"
#include "window/texts/SystemReasons.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"PortHelp"};

struct Fix {
    PortProblem problem;
    const char* text;
    const char* beforeModel = nullptr;  // while Send all waits for a model, where it differs
};

// Each system has fixes of its own besides (platform/SystemWords.h), with %2 the chips of the
// package's rule.
constexpr std::array<Fix, 7> Fixes{{
    {PortProblem::Unassigned,
     QT_TRANSLATE_NOOP(
         "PortHelp",
         "Choose the adapter for COM%1 in File > Serial adapters... (or click the lamp).")},
    {PortProblem::NotSerial,
     QT_TRANSLATE_NOOP(
         "PortHelp",
         "Give COM%1 a serial adapter in File > Serial adapters... (or click the lamp).")},
    {PortProblem::ConfigUnreadable,
     QT_TRANSLATE_NOOP("PortHelp",
                       "Correct the settings file or move it away, then start Rotaline again.")},
    {PortProblem::Absent,
     QT_TRANSLATE_NOOP(
         "PortHelp",
         "Plug in the adapter, or choose another one for COM%1 in File > Serial adapters...")},
    {PortProblem::Busy,
     QT_TRANSLATE_NOOP("PortHelp", "Close the other program and choose the port again.")},
    {PortProblem::Disconnected,
     QT_TRANSLATE_NOOP("PortHelp",
                       "Plug the adapter in again, then File > Send all settings again."),
     QT_TRANSLATE_NOOP("PortHelp", "Plug the adapter in again, then choose the model.")},
    {PortProblem::Stuck,
     QT_TRANSLATE_NOOP("PortHelp",
                       "Check the adapter and its cable, then File > Send all settings again."),
     QT_TRANSLATE_NOOP("PortHelp", "Check the adapter and its cable, then choose the model.")},
}};

// Why, by what kept the port from working: %1 is the COM number, %2 the device (or "COMn"
// when none was found), %3 and %4 the program that holds it and its process, %5 the bytes that
// never left.
struct Reason {
    PortProblem problem;
    const char* text;
};

constexpr std::array<Reason, 10> Reasons{{
    {PortProblem::Unassigned, QT_TRANSLATE_NOOP("PortHelp", "No adapter is assigned to COM%1.")},
    {PortProblem::NotSerial, QT_TRANSLATE_NOOP("PortHelp", "%2 is not a serial device.")},
    {PortProblem::Absent, QT_TRANSLATE_NOOP("PortHelp", "%2 is not present.")},
    {PortProblem::Claimed, QT_TRANSLATE_NOOP("PortHelp", "%2 is not present.")},
    {PortProblem::PermissionDenied, QT_TRANSLATE_NOOP("PortHelp", "You may not use %2.")},
    {PortProblem::Busy, QT_TRANSLATE_NOOP("PortHelp", "%2 is in use by another program.")},
    {PortProblem::Probed, QT_TRANSLATE_NOOP("PortHelp", "%2 is in use by another program.")},
    {PortProblem::Disconnected,
     QT_TRANSLATE_NOOP("PortHelp", "%2 was disconnected with %5 bytes not yet sent.")},
    {PortProblem::Stuck,
     QT_TRANSLATE_NOOP("PortHelp", "%2 stopped taking bytes; %5 of them were not sent.")},
    {PortProblem::GivenUp,
     QT_TRANSLATE_NOOP("PortHelp", "%5 bytes for %2 were given up and not sent.")},
}};
constexpr const char* AdapterOffer = QT_TRANSLATE_NOOP("PortHelp", "Use %1 as COM1");
constexpr const char* HeldBy = QT_TRANSLATE_NOOP("PortHelp", "%2 is in use by %3 (process %4).");

QString reasonOf(const LinkOutcome& outcome, int portNumber, const Language& language) {
    if (outcome.finding) {
        return adapterCause(*outcome.finding, language);
    }
    const QString device = outcome.device.isEmpty() ? portName(portNumber) : outcome.device;
    const QStringList words{QString::number(portNumber), device,
                            outcome.holder ? outcome.holder->program : QString(),
                            outcome.holder ? QString::number(outcome.holder->pid) : QString(),
                            QString::number(outcome.unsent)};
    if (outcome.holder) {
        return filled(catalogue(language, HeldBy), words);
    }
    for (const Reason& reason : Reasons) {
        if (reason.problem == outcome.problem) {
            return filled(catalogue(language, reason.text), words);
        }
    }
    return printable(reasonIn(outcome.reason, language));  // the system's own words kept
}

}  // namespace

QString portTrouble(const LinkOutcome& outcome, int portNumber, const Language& language) {
    return outcome.ok ? QString() : reasonOf(outcome, portNumber, language);
}

QString portHelp(const LinkOutcome& outcome, int portNumber, const Language& language,
                 bool sendAll) {
    if (outcome.ok) {
        return {};
    }
    QString help = reasonOf(outcome, portNumber, language);
    if (outcome.finding) {
        return help + QLatin1Char('\n') + adapterFix(*outcome.finding, language);
    }
    const auto add = [&](const char* text) {
        help += QLatin1Char('\n') + filled(catalogue(language, text),
                                           {QString::number(portNumber), ruleChips(language)});
    };
    for (const Fix& fix : Fixes) {
        if (fix.problem == outcome.problem) {
            add(sendAll || fix.beforeModel == nullptr ? fix.text : fix.beforeModel);
        }
    }
    for (const PortFixWords& fix : SystemPortFixes) {
        if (fix.problem == outcome.problem) {
            add(fix.text);
        }
    }
    return help;
}

QString adapterOfferText(const QString& adapter, const Language& language) {
    return filled(catalogue(language, AdapterOffer), {adapter});
}

}  // namespace rotaline
