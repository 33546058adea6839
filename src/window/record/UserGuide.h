#pragma once

#include <QString>

#include "model/Languages.h"

namespace rotaline {

class MainForm;

// The guide Help > How to use shows, as HTML, in the language `form` speaks: the cable and the
// adapter, port, type and model, every setting with the hint its control gives, settings
// files, undo and the keyboard. Nothing of it needs the network. `quitKey`: whether the platform
// gives File > Exit its Quit key (Ctrl+Q); where it gives none (Windows), Alt+F4 closes the
// window, which exits as File > Exit does.
QString userGuide(const MainForm& form, bool quitKey);
// The guide window's title.
QString userGuideTitle(const Language& language);

}  // namespace rotaline
