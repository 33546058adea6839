#include "window/ControlNames.h"

#include "model/ParameterTable.h"
#include "window/ControlTable.h"
#include "window/MainForm.h"

namespace rotaline {

QString toolbarButtonName(const QString& key, bool chinese) {
    for (const ToolbarButtonDesign& button : ToolbarButtons) {
        if (fromView(button.key) == key) {
            return button.name.in(chinese);
        }
    }
    return key;
}

// Lists and the bar show their value, never what they set: they are named by the words of
// their change note (an option group's buttons say it by their captions); the model pictures
// by their tab.
void MainForm::nameControls() {
    for (const Parameter& parameter : Parameters) {
        Control& owner = ownerOf(parameter.slot);
        if (owner.parts().empty()) {
            owner.setAccessible(notePrefix(parameter.slot).simplified());
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
