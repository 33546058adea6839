#pragma once

#include <QComboBox>
#include <functional>

namespace rotaline {

// The port list: each entry's tooltip names the device behind it, looked up afresh whenever
// the list opens.
class PortList : public QComboBox {
    Q_OBJECT
public:
    using Describer = std::function<QString(int portNumber)>;

    using QComboBox::QComboBox;
    void setDescriber(Describer describer);
    void describeEntries();
    void showPopup() override;

private:
    Describer describer_;
};

}  // namespace rotaline
