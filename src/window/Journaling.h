#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <utility>

#include "files/SendJournal.h"
#include "model/ParameterBlock.h"
#include "window/Controls.h"

namespace rotaline {

// What the form sends, kept in the journal: one record a programming session, with the block
// the controller was left with, the port and adapter, and whether every message went out.
// Nothing is recorded for a controller that was sent no model.
class Journaling {
    struct State {
        QString session;  // "": none, nothing is recorded
        bool complete = true;
        bool model = false;  // the controller was sent the model the block names
    };

public:
    // Names the port and adapter of a position in the port list.
    using PortOf = std::function<std::pair<QString, QString>(int listPosition)>;

    Journaling(const ParameterBlock& block, const Controls& controls);

    void setJournal(SendJournal* journal, PortOf portOf);

    // A model choice, a file load, a Send all or a language switch: a session of its own in the
    // journal, recorded when the outermost one ends having sent something.
    class Session {
    public:
        explicit Session(Journaling& journaling);
        ~Session();
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;

    private:
        Journaling& journaling_;
        State earlier_;
        int sentBefore_;
    };

    // A message was handed over, or could not be.
    void sent(bool ok);
    // A session's handshake failed: what follows does not complete it.
    void incomplete() { state_.complete = false; }
    // What was handed over did not all leave: on a port chosen since the last session, that
    // session's bytes may have been on the line.
    void sendingFailed();
    // The controller was sent the model the window shows.
    void modelChosen() { state_.model = true; }
    // The controller's models are reset (a change of tab): the record names none. Outside a
    // session the reset of a model is a session of its own.
    void modelsReset();
    // Another controller may be on the line (a change of port): nothing is recorded until it
    // is sent a model.
    void portChanged();

private:
    void begin();
    void update();

    const ParameterBlock& block_;
    const Controls& controls_;
    SendJournal* journal_ = nullptr;
    PortOf portOf_;
    State state_;
    std::optional<JournalRecord> last_;  // written last
    int depth_ = 0;
    int sent_ = 0;
};

}  // namespace rotaline
