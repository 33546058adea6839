#include "window/record/BlockDescription.h"

#include "model/EscCatalogue.h"
#include "model/SlotTable.h"
#include "platform/RecordingPort.h"
#include "window/form/MainForm.h"
#include "window/form/Unseen.h"

namespace rotaline {

namespace {

// A form started as the window starts, in the language asked for, over a port that only
// records.
struct QuietForm {
    explicit QuietForm(const Language& language) {
        form.Form_Load();
        if (&language != &English) {
            form.switchLanguage(language);
        }
    }
    RecordingPort port;
    ProgrammingLink link{port};
    Unseen unseen;
    MainForm form{link, unseen, unseen};
};

}  // namespace

std::optional<DescribedBlock> describeBlock(const ParameterBlock& block, const Language& language) {
    QuietForm settings(language);
    if (!settings.form.LoadParameterBlock(block)) {
        return std::nullopt;
    }
    // The factory settings are what choosing the same type and model sets, or Factory Default
    // without a model: in every language the same, whatever a form in that language started with.
    QuietForm factory(language);
    const int type = block.value[TypeSlot];
    factory.form.controls().SSTab1->select(type);
    if (block.inUse[modelSlotOf(type)]) {
        factory.form.controls().ComboCTRmodel[type]->setListIndex(block.value[modelSlotOf(type)]);
    } else {
        factory.form.CommandSetFactory_Click();
    }
    return DescribedBlock{describeSettings(settings.form, block),
                          describeSettings(factory.form, factory.form.block())};
}

bool differsFromFactory(const DescribedBlock& described, std::size_t parameter) {
    const SlotDescription& set = described.settings.parameters[parameter];
    const SlotDescription& factory = described.factory.parameters[parameter];
    return set.inUse && (set.value != factory.value || set.choice != factory.choice);
}

int changedFromFactory(const DescribedBlock& described) {
    int changed = 0;
    for (std::size_t i = 0; i < described.settings.parameters.size(); ++i) {
        changed += differsFromFactory(described, i) ? 1 : 0;
    }
    return changed;
}

}  // namespace rotaline
