#pragma once

#include <QComboBox>
#include <functional>

namespace rotaline {

// What a port list entry stands for: the device given its COM number, and whether it is there.
struct PortEntry {
    QString device;  // "" when nothing is assigned
    bool present = false;
    QString toolTip;
};

// The port list. Each entry stays "COMn"; the open list shows beside it the device assigned
// to it, greyed when it is absent or when nothing is assigned, looked up afresh whenever the
// list opens.
class PortList : public QComboBox {
    Q_OBJECT
public:
    using Describer = std::function<PortEntry(int portNumber)>;
    using Chooser = std::function<void(int portNumber)>;
    static constexpr int DeviceRole = Qt::UserRole;
    static constexpr int PresentRole = Qt::UserRole + 1;

    explicit PortList(QWidget* parent = nullptr);
    void setDescriber(Describer describer);
    // Told of a port the user chose, by mouse or keys, before the choice is acted on.
    void setChooser(Chooser chooser);
    void describeEntries();
    void showPopup() override;

private:
    Describer describer_;
    Chooser chooser_;
};

}  // namespace rotaline
