#include "support/FormFixture.h"

namespace rotaline::testing {

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == '\r' || c == '\n') {
            out += c == '\r' ? QStringLiteral("\\r") : QStringLiteral("\\n");
        } else if (c.unicode() < 32) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
        } else {
            out += c == '"' || c == '\\' ? QStringLiteral("\\") + c : QString(c);
        }
    }
    return out + '"';
}

namespace {

QString stateOf(const Control& control) {
    QStringList words{control.isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")};
    if (!control.isEnabled()) {
        words << QStringLiteral("disabled");
    }
    if (!control.unsentMark().isEmpty()) {
        words << QStringLiteral("marked ") + quoted(control.unsentMark());
    }
    if (auto* group = dynamic_cast<const OptionGroup*>(&control)) {
        words << QStringLiteral("option %1").arg(group->selected());
    } else if (auto* list = dynamic_cast<const ComboList*>(&control)) {
        words << QStringLiteral("entry %1 %2").arg(list->listIndex()).arg(quoted(list->text()));
    } else if (auto* bar = dynamic_cast<const ScrollBar*>(&control)) {
        words << QStringLiteral("value %1").arg(bar->value());
    } else if (auto* tabs = dynamic_cast<const TabStrip*>(&control)) {
        words << QStringLiteral("tab %1").arg(tabs->selected());
    }
    return words.join(' ');
}

}  // namespace

bool FormFixture::apply(const QString& step) {
    const QString verb = step.section(' ', 0, 0), name = step.section(' ', 1, 1);
    if (verb == "set") {
        if (auto* chosen = dynamic_cast<ValueControl*>(&control(name))) {
            chosen->setValue(step.section(' ', 2).toInt());
        } else {
            dynamic_cast<TabStrip&>(control(name)).select(step.section(' ', 2).toInt());
        }
    } else if (verb == "pick") {
        list(name).setText(step.section(' ', 2));
    } else if (verb == "click") {
        control(name).click();
    } else if (verb == "answer") {
        dialogs.nextAnswer(name == "yes" ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    } else if (step == "fail write") {
        port.failNextWrite();
    } else {
        return false;
    }
    return true;
}

QStringList FormFixture::state() {
    QStringList lines;
    for (const Control* control : form.controlsInOrder()) {
        if (dynamic_cast<const TextBox*>(control) == nullptr) {  // note and trace: see below
            lines << control->name() + QStringLiteral(": ") + stateOf(*control);
        }
        if (auto* list = dynamic_cast<const ComboList*>(control)) {
            lines << control->name() + QStringLiteral(" entries: ") + list->items().join('|');
        }
    }
    lines << QStringLiteral("lamp help: ") + quoted(controls.ImageOff->toolTip());
    for (int slot = 0; slot < SlotCount; ++slot) {
        lines << QStringLiteral("slot %1: %2, %3")
                     .arg(slot)
                     .arg(form.block().value[slot])
                     .arg(form.block().inUse[slot] ? "in use" : "unused");
    }
    lines << QStringLiteral("link: ") + (link.isReady() ? "ready" : "not ready");
    const int unsent = form.unsentCount();
    lines << QStringLiteral("settings not sent: %1").arg(unsent) +
                 (unsent > 0 ? QStringLiteral(", said ") +
                                   quoted(unsentText(unsent, controls.mnuSendAll->isEnabled(),
                                                     *form.flags().language))
                             : QString());
    lines << QStringLiteral("note: ") + quoted(note())
          << QStringLiteral("trace: ") + quoted(trace());
    return lines;
}

}  // namespace rotaline::testing
