#include "support/FormFixture.h"

#include "model/MessageDecoder.h"
#include "window/ControlTable.h"

namespace rotaline::testing {

QStringList FormFixture::messages() const {
    MessageDecoder decoder;
    QStringList lines;
    for (const DecodedMessage& message : decoder.feed(port.written().toStdString())) {
        lines << QString::fromStdString(message.text());
    }
    return lines;
}

namespace {

QString stateOf(const Control& control) {
    QString state = QStringLiteral("%1|%2|%3|%4")
                        .arg(control.name(), control.caption())
                        .arg(control.isVisible())
                        .arg(control.isEnabled());
    if (auto* group = dynamic_cast<const OptionGroup*>(&control)) {
        state += QStringLiteral("|option %1").arg(group->selected());
        for (int i = 0; i < group->count(); ++i) {
            state += QStringLiteral("|") + stateOf(group->button(i));
        }
    } else if (auto* list = dynamic_cast<const ComboList*>(&control)) {
        state += QStringLiteral("|entry %1|").arg(list->listIndex()) + list->items().join(',');
    } else if (auto* bar = dynamic_cast<const ScrollBar*>(&control)) {
        state += QStringLiteral("|value %1").arg(bar->value());
    } else if (auto* tabs = dynamic_cast<const TabStrip*>(&control)) {
        state += QStringLiteral("|tab %1").arg(tabs->selected());
    } else if (auto* box = dynamic_cast<const TextBox*>(&control)) {
        state += QStringLiteral("|") + box->text();
    }
    return state;
}

}  // namespace

QString FormFixture::snapshot() const {
    QStringList lines;
    for (const ControlDesign& design : ControlTable) {
        lines << stateOf(*form.find(QString::fromUtf8(design.name.data(), design.name.size())));
    }
    for (int slot = 0; slot < SlotCount; ++slot) {
        lines << QStringLiteral("slot %1 = %2 %3")
                     .arg(slot)
                     .arg(form.block().value[slot])
                     .arg(form.block().inUse[slot]);
    }
    lines << QStringLiteral("port %1 open %2 ready %3")
                 .arg(port.portNumber())
                 .arg(port.isOpen())
                 .arg(link.isReady());
    return lines.join('\n');
}

}  // namespace rotaline::testing
