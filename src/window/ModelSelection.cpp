#include <algorithm>
#include "model/EscCatalogue.h"
#include "model/WireFormat.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr Bilingual TypeLabel{"ESC type  ", "ESC 型号  "};

QStringList cellEntries(const ControllerModel& model) {
    QStringList entries;
    for (std::string_view cell : model.cells) {
        if (!cell.empty()) {
            entries << fromView(cell);
        }
    }
    return entries;
}

}  // namespace

void MainForm::rebuildCellList(const ControllerModel& model) {
    auto& cells = get<ComboList>("ComboNoOfCell");
    cells.clear();
    const QStringList entries = cellEntries(model);
    cells.addItems(entries);
    flags_.suppress = true;
    cells.setText(entries.first());
    flags_.suppress = false;
}

void MainForm::adaptModelGroups(const ControllerModel& model) {
    get<Control>("FrameMotorPole").setVisible(false);
    get<Control>("FrameCurrent").setVisible(model.currentLimitShown);
    block_.inUse[13] = model.currentLimitShown;
}

void MainForm::enableFrequency(bool enabled) {
    get<Control>("FrameFre").setEnabled(enabled);
    auto& options = get<OptionGroup>("OptionFreqency");
    for (int i = 0; i < options.count(); ++i) {
        options.button(i).setEnabled(enabled);
    }
}

// Only the list of the current tab takes hold of a controller, and only with a model chosen.
void MainForm::ComboCTRmodel_Click(int index) {
    const int type = get<TabStrip>("SSTab1").selected();
    const auto& models = get<ComboList>(QStringLiteral("ComboCTRmodel(%1)").arg(type));
    const int position = models.listIndex();
    const ControllerModel* model = findModel(type, position);
    if (index != type || model == nullptr) {
        return;
    }
    if (!link_.isReady()) {
        showInvalidPortMessage();
        return;
    }
    ModelHandshake();
    block_.value[0] =
        static_cast<std::uint8_t>(std::max(0, get<ComboList>("ComboCOM").listIndex()));
    ApplyFactoryDefaults();
    adaptModelGroups(*model);
    rebuildCellList(*model);
    get<TextBox>("Text1").setText(get<TabStrip>("SSTab1").tabCaption(type) + QLatin1Char(' ') +
                                  TypeLabel.in(flags_.chinese) + QStringLiteral(": ") +
                                  models.text() + texts::CrLf);
    block_.value[modelSlotOf(type)] = static_cast<std::uint8_t>(position);
    const bool enableFirst = type >= 2;
    if (enableFirst) {
        enableFrequency(model->frequencyEnabled);
    }
    SendParameter(addressOf(modelSlotOf(type)), model->code);
    if (!enableFirst) {
        enableFrequency(model->frequencyEnabled);
    }
}

}  // namespace rotaline
