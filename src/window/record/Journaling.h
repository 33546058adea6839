#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "files/SendJournal.h"
#include "model/ParameterBlock.h"
#include "window/controls/Controls.h"
#include "window/form/EditHistory.h"

namespace rotaline {

// What the form sends, kept in the journal: one record a programming session, with the block
// the controller was left with, the port and adapter, and whether every message went out.
// Nothing is recorded for a controller that was sent no model, nor for a session of which no
// byte was handed over. Of a setting the window marks not sent, a record keeps what was recorded
// since the controller was set anew, or leaves it out. A session is recorded as sending from its
// first byte on, and as sent in full once the line has carried its last.
class Journaling {
    struct State {
        QString session;  // "": none, nothing is recorded
        bool complete = true;
        bool model = false;   // the controller was sent the model the block names
        bool handed = false;  // a byte of the session was handed over
    };

public:
    // Names the port and adapter of a position in the port list.
    using PortOf = std::function<std::pair<QString, QString>(int listPosition)>;

    Journaling(const ParameterBlock& block, const Controls& controls, const EditHistory& edits);

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

    // A message was handed over, or could not be: outside a session that changes no record
    // (the controller still holds what it holds, and the window marks what it lacks).
    void sent(bool ok);
    // The line has carried every byte handed over: what was recorded as sending was sent in
    // full, but for a session still going on.
    void lineCarried();
    // A session's handshake failed: what follows does not complete it.
    void incomplete() { state_.complete = false; }
    // What was handed over did not all leave: every session not yet carried in full, on this
    // port or one chosen before, was not sent in full.
    void sendingFailed();
    // The controller was sent the model the window shows, and is set anew.
    void modelChosen();
    // The controller's models are reset (a change of tab): the record names none. Outside a
    // session the reset of a model is a session of its own.
    void modelsReset();
    // Another controller may be on the line (a change of port): nothing is recorded until it
    // is sent a model.
    void portChanged();
    // What the journal says of the session that left the controller as the window shows it:
    // sending until the line has carried it; nothing when no such session is recorded.
    std::optional<Delivery> delivery() const;

private:
    void begin();
    void update();
    void unnameModel(ParameterBlock& block) const;
    void settle(Delivery delivery, const QString& except = QString());

    const ParameterBlock& block_;
    const Controls& controls_;
    const EditHistory& edits_;
    SendJournal* journal_ = nullptr;
    PortOf portOf_;
    State state_;
    ParameterBlock recorded_;             // the last record since the controller was set anew
    std::vector<JournalRecord> sending_;  // recorded as sending, until the line says how it went
    int depth_ = 0;
    int sent_ = 0;  // messages handed over
};

}  // namespace rotaline
