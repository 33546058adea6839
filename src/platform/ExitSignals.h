#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace rotaline {

// SIGTERM, SIGINT and SIGHUP stop being fatal while this object lives: each arrives as
// `received` on the event loop of the thread that made it, so the program can end the way its
// own Exit does. A second one arrives too, for giving up what is left and ending properly at
// once; a third ends the program at once, as without us. One instance at a time.
class ExitSignals : public QObject {
    Q_OBJECT
public:
    explicit ExitSignals(QObject* parent = nullptr);
    ~ExitSignals() override;
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    // The signal that came, or 0; also for a program that runs no event loop.
    static int caught();

signals:
    void received(int signal);

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace rotaline
