#include "ui/PortList.h"

namespace rotaline {

void PortList::setDescriber(Describer describer) {
    describer_ = std::move(describer);
    describeEntries();
}

void PortList::describeEntries() {
    for (int i = 0; describer_ && i < count(); ++i) {
        setItemData(i, describer_(i + 1), Qt::ToolTipRole);
    }
}

void PortList::showPopup() {
    describeEntries();
    QComboBox::showPopup();
}

}  // namespace rotaline
