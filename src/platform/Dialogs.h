#pragma once

#include <QString>

namespace rotaline {

// Modal message boxes and file dialogs, titled with the application's title.
class Dialogs {
public:
    enum class Icon { None, Exclamation };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, Icon icon, Buttons buttons) = 0;
    // The chosen file name, or "" when the user cancels. Filters read "Shown text|pattern".
    virtual QString openFileName(const QString& filter) = 0;
    // Starts on `current`, the file the window shows (none: ""); replacing any other file that
    // exists is asked first.
    virtual QString saveFileName(const QString& filter, const QString& current) = 0;
};

}  // namespace rotaline
