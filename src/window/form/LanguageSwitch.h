#pragma once

#include "model/ParameterBlock.h"
#include "platform/Dialogs.h"
#include "window/controls/ControlSet.h"
#include "window/controls/Controls.h"
#include "window/form/FormHost.h"

namespace rotaline {

// The Language menu: asks in the language chosen whether to switch, and on yes makes it the
// form's language and words the menus, captions, tabs and parameter choices in it.
class LanguageSwitch {
public:
    LanguageSwitch(const ControlSet& set, Controls& controls, SharedFlags& flags, Dialogs& dialogs,
                   FormHost* const& host);

    // False when the user keeps the language used now.
    bool switchTo(const Language& language);

private:
    void setCaptions(const Language& language);
    void setTabCaptions(const Language& language);
    void setParameterCaptions(const Language& language);

    const ControlSet& set_;
    Controls& controls_;
    SharedFlags& flags_;
    Dialogs& dialogs_;
    FormHost* const& host_;
};

}  // namespace rotaline
