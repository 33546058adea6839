#include "model/EscCatalogue.h"
#include "window/MainForm.h"
#include "window/PortHelp.h"
#include "window/Texts.h"

namespace rotaline {

void MainForm::refillModelLists(bool chinese) {
    for (int type = 0; type < EscTypeCount; ++type) {
        auto& list = get<ComboList>(QStringLiteral("ComboCTRmodel(%1)").arg(type));
        list.clear();
        list.addItems(modelNames(type, chinese));
    }
}

void MainForm::refillPointList(const QString& name) {
    auto& list = get<ComboList>(name);
    list.clear();
    const QStringList entries = pointListEntries(name, flags_.chinese);
    list.addItems(entries);
    list.setText(entries.first());
}

void MainForm::ComboCOM_Click() {
    if (flags_.chinese) {
        refillPointList(QStringLiteral("ComboIniPoint"));
    }
    refillModelLists(flags_.chinese);

    const ComboList& ports = get<ComboList>("ComboCOM");
    const LinkOutcome outcome = link_.selectPort(ports.listIndex());
    const bool chinese = flags_.chinese;
    if (outcome.ok) {
        appendNote(get<Control>("FrameSelectCom").caption() + QStringLiteral(": ") + ports.text() +
                   texts::CrLf);
    } else {
        appendNote(ports.text() + texts::PortInvalidNote.in(chinese) + texts::CrLf);
    }
    get<Control>("ImageOn").setVisible(outcome.ok);
    get<Control>("ImageOff").setVisible(!outcome.ok);
    get<Control>("ImageOff").setToolTip(portHelp(outcome, ports.listIndex() + 1, chinese));
}

}  // namespace rotaline
