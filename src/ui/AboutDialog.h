#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

namespace rotaline {

// Title, version and purpose of the program, and a way to the system information tool.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(std::function<void()> startSystemInformation);

    // Opens the one dialog, or brings it to the front when it is open already. It has no
    // owner, so it stays when the main window closes.
    static AboutDialog* showOnce(std::function<void()> startSystemInformation);

private:
    static QPointer<AboutDialog> shown_;
};

}  // namespace rotaline
