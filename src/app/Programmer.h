#pragma once

#include <QString>
#include <memory>

namespace rotaline {

class MainForm;

// The programmer as a user starts it: the form and its window on the real serial port,
// settings store and dialogs. SIGTERM, SIGINT and SIGHUP end it the way Exit does.
class Programmer {
public:
    Programmer();
    ~Programmer();
    Programmer(const Programmer&) = delete;
    Programmer& operator=(const Programmer&) = delete;

    // Runs start-up and shows the window; then, once the event loop runs, opens `file`, when
    // given, as File > Open does.
    void start(const QString& file = QString());
    MainForm& form();

private:
    void finishSending();
    void endOnSignal();
    void showAdapters();
    void offerTheOneAdapter();
    void followAssignedDevices();

    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace rotaline
