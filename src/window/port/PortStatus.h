#pragma once

#include "link/ProgrammingLink.h"
#include "model/ParameterBlock.h"
#include "window/controls/Controls.h"
#include "window/form/FormHost.h"
#include "window/port/LineStatus.h"

namespace rotaline {

// The lamp, its help and what the status bar says of the line to the adapter: what the port
// chosen last came to, what went out since, and whether its device went and came back.
class PortStatus {
public:
    PortStatus(const ProgrammingLink& link, Controls& controls, const SharedFlags& flags,
               FormHost* const& host);

    // The port chosen in the list came to `outcome`.
    void chosen(const LinkOutcome& outcome);
    // A message went out: a parameter's, or the model handshake.
    void sent(bool parameter);
    // A send failed, or what was handed over did not all leave.
    void sendingFailed(const LinkOutcome& failure);
    // The device of the COM number chosen is there (again).
    void deviceReturned();
    // The lamp's help again, in the language now used.
    void showLampHelp();
    // The line, with `unsent` settings the controller lacks and `advice` on what it was told
    // to work out itself.
    LineStatus lineStatus(int unsent, const QString& advice) const;

private:
    void light(bool on, const LinkOutcome& outcome);
    void reportPortProblem(const LinkOutcome& outcome);
    int portNumber() const;
    bool sendAll() const;

    const ProgrammingLink& link_;
    Controls& controls_;
    const SharedFlags& flags_;
    FormHost* const& host_;
    LinkOutcome lamp_;
    int lampPort_ = 0;
    bool handshakeOnly_ = false;  // nothing but a handshake went out since the port was chosen
    bool deviceLost_ = false;     // a send found the device gone
    bool deviceBack_ = false;     // and it has returned since, with nothing sent yet
};

}  // namespace rotaline
