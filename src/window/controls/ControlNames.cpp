#include "window/controls/ControlNames.h"

#include "model/ParameterTable.h"
#include "window/controls/ControlTable.h"

namespace rotaline {

QString toolbarButtonName(const QString& key, const Language& language) {
    for (const ToolbarButtonDesign& button : ToolbarButtons) {
        if (fromView(button.key) == key) {
            return texts::Names(language, button.name);
        }
    }
    return key;
}

QString notePrefix(const ControlSet& set, int slot) {
    const Parameter& parameter = *findParameter(slot);
    if (!parameter.fixedNote.empty()) {
        return fromView(parameter.fixedNote);
    }
    if (parameter.noteCaptions[0].empty()) {
        return set.find(fromView(parameter.caption.name))->caption();
    }
    QString prefix;
    for (std::string_view part : parameter.noteCaptions) {
        prefix += set.find(fromView(part))->caption();
    }
    return prefix;
}

// Lists and the bar show their value, never what they set: they are named by the words of
// their change note (an option group's buttons say it by their captions); the model pictures
// by their tab.
void nameControls(const ControlSet& set, const ConstControls& controls, const Language& language) {
    for (const Parameter& parameter : Parameters) {
        Control& owner = set.owner(parameter.slot);
        if (owner.parts().empty()) {
            owner.setAccessible(notePrefix(set, parameter.slot).simplified());
        }
    }
    for (const ControlPurpose& purpose : ControlPurposes) {
        const QString name = purpose.namedBy.empty()
                                 ? texts::Names(language, purpose.name)
                                 : set.find(fromView(purpose.namedBy))->caption().simplified();
        set.find(fromView(purpose.control))
            ->setAccessible(name, texts::Names(language, purpose.description));
    }
    for (Control* control : set.inOrder()) {
        if (const int page = set.pageOf(control->name());
            control->kind() == ControlKind::Image && page >= 0) {
            control->setAccessible(controls.SSTab1->tabCaption(page));
        }
    }
}

}  // namespace rotaline
