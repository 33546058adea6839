#pragma once

#include <QString>

#include "model/Languages.h"

namespace rotaline {

class MainForm;

// The guide Help > How to use shows, as HTML, in the language `form` speaks: the cable and the
// adapter, port, type and model, every setting with the hint its control gives, settings
// files, undo and the keyboard. Nothing of it needs the network.
QString userGuide(const MainForm& form);
// The guide window's title.
QString userGuideTitle(const Language& language);

}  // namespace rotaline
