#pragma once

#include <QString>
#include <functional>
#include <utility>

#include "files/SendJournal.h"
#include "model/ParameterBlock.h"
#include "window/Controls.h"

namespace rotaline {

// What the form sends, kept in the journal: one record a programming session, with the block
// the controller was left with, the port and adapter, and whether every message went out.
class Journaling {
public:
    // Names the port and adapter of a position in the port list.
    using PortOf = std::function<std::pair<QString, QString>(int listPosition)>;

    Journaling(const ParameterBlock& block, const Controls& controls);

    void setJournal(SendJournal* journal, PortOf portOf);

    // A model choice, a file load or a Send all: a session of its own in the journal,
    // recorded when the outermost one ends having sent something.
    class Session {
    public:
        explicit Session(Journaling& journaling);
        ~Session();
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;

    private:
        Journaling& journaling_;
        QString earlier_;
        int sentBefore_;
    };

    // A message was handed over, or could not be.
    void sent(bool ok);
    // A session's handshake failed: what follows does not complete it.
    void incomplete() { complete_ = false; }
    // What was handed over did not all leave.
    void sendingFailed();

private:
    void update();

    const ParameterBlock& block_;
    const Controls& controls_;
    SendJournal* journal_ = nullptr;
    PortOf portOf_;
    QString session_;
    int depth_ = 0;
    int sent_ = 0;
    bool complete_ = true;
};

}  // namespace rotaline
