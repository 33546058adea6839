#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace rotaline::explorer {

class Session;

// What one step did, for the promises to judge.
struct Done {
    Done(const QString& said = {}, bool looked = false) : words(said), sheet(looked) {}

    QString words;       // as a person would replay it; "" when the step could not be taken now
    QString opened;      // the settings file it opened, if any
    bool sheet = false;  // the user looked at the setup sheet
    QString fault;       // a promise the step found broken within itself (Undo then Redo)
    int actions = 1;     // commands the user gave in it
};

// The steps a user takes, each a row: the first byte of a step picks the row, and where the row
// has choices the next byte picks one. The first bytes pick each row in turn; the rest go to the
// steps a user takes most, by their share, so that a few bytes make a session of real use and
// not one of forty controls tried in turn.
class Steps {
public:
    using Run = std::function<Done(Session& session, int choice)>;
    struct Row {
        QString name;
        int choices = 0;  // 0: the row reads no second byte
        int share = 0;    // of the bytes past those picking each row in turn
        Run run;
    };

    // The vocabulary for the window of `session`: its menus, buttons, tabs and every control
    // that sets a value.
    explicit Steps(Session& session);

    // Takes the step at `data[at]`, moving `at` past the bytes it read.
    Done take(Session& session, const std::uint8_t* data, std::size_t size, std::size_t& at) const;

private:
    std::vector<Row> rows_;
    std::vector<std::size_t> byByte_;  // the row each first byte picks
};

}  // namespace rotaline::explorer
