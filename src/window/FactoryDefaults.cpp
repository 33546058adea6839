#include "model/FactoryDefaults.h"

#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr Bilingual FactoryDefaultNote{"All setting is in factory default",
                                       "所有设置已恢复到出厂默认值"};

}  // namespace

void MainForm::ApplyFactoryDefaults() {
    for (const FactoryDefault& step : FactoryDefaults) {
        const QString name = fromView(step.control);
        switch (step.kind) {
            case DefaultKind::Option:
                get<OptionGroup>(name).select(step.value);
                break;
            case DefaultKind::Entry:
                get<ComboList>(name).setListIndex(step.value);
                break;
            case DefaultKind::Scroll:
                get<ScrollBar>(name).setValue(step.value);
                break;
        }
        if (step.explicitRun) {
            runChangeHandler(name, step.value);
        }
    }
    get<TextBox>("Text1").setText(QString());
}

void MainForm::CommandSetFactory_Click() {
    if (!link_.isReady()) {
        showInvalidPortMessage();
        return;
    }
    ApplyFactoryDefaults();
    get<TextBox>("Text1").setText(FactoryDefaultNote.in(flags_.chinese) + texts::CrLf);
}

}  // namespace rotaline
