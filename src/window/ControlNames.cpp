#include "window/ControlNames.h"

#include "model/SlotTable.h"
#include "window/ChangeHandlers.h"
#include "window/MainForm.h"

namespace rotaline {

QString toolbarButtonName(const QString& key, bool chinese) {
    for (const ToolbarButtonName& button : ToolbarButtonNames) {
        if (fromView(button.key) == key) {
            return button.name.in(chinese);
        }
    }
    return key;
}

// Lists and the bar show their value, never what they set: they are named by the words of
// their change note; the model pictures by their tab.
void MainForm::nameControls() {
    for (const ChangeHandler& handler : ChangeHandlers) {
        Control& owner = *find(fromView(slotInfo(handler.slot).owner));
        if (owner.kind() == ControlKind::ComboList || owner.kind() == ControlKind::ScrollBar) {
            owner.setAccessible(notePrefix(handler.slot).simplified());
        }
    }
    for (const ControlPurpose& purpose : ControlPurposes) {
        const QString name = purpose.namedBy.empty()
                                 ? purpose.name.in(flags_.chinese)
                                 : find(fromView(purpose.namedBy))->caption().simplified();
        find(fromView(purpose.control))
            ->setAccessible(name, purpose.description.in(flags_.chinese));
    }
    for (Control* control : controlsInOrder()) {
        if (control->kind() == ControlKind::Image && tabPageOf(control->name()) >= 0) {
            control->setAccessible(controls_.SSTab1->tabCaption(tabPageOf(control->name())));
        }
    }
}

}  // namespace rotaline
