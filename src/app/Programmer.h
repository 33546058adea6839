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
    // Runs the event loop until the program ends; gives its exit status: 0, `NotAllSent` when
    // a line that went away, took nothing or Quit now left bytes unsent, 128 + N when a
    // second signal N gave them up.
    int exec();
    MainForm& form();

    static constexpr int NotAllSent = 3;

private:
    void finishSending();
    void endOnSignal(int signal);
    void showAdapters();
    void offerTheOneAdapter();
    void followAssignedDevices();

    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace rotaline
