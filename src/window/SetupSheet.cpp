#include "window/SetupSheet.h"

#include "window/Texts.h"

namespace rotaline {

namespace {

QString shown(const SlotDescription& parameter) {
    return parameter.choice.isEmpty() ? QString::number(parameter.value)
                                      : parameter.choice.trimmed();
}

constexpr Bilingual Title{"Rotaline setup sheet", "Rotaline 设置单"};
constexpr Bilingual FileFact{"Settings file: %1", "设置文件：%1"};
constexpr Bilingual NotSaved{"not saved", "未保存"};
constexpr Bilingual DateFact{"Date: %1", "日期：%1"};
constexpr Bilingual TypeFact{"ESC type: %1", "ESC 类型：%1"};
constexpr Bilingual ModelFact{"Model: %1", "型号：%1"};
constexpr Bilingual NoModel{"none chosen", "未选择"};
constexpr Bilingual SettingColumn{"Setting", "设置"};
constexpr Bilingual ValueColumn{"Value", "值"};
constexpr Bilingual FactoryColumn{"Factory value", "出厂值"};
constexpr Bilingual UnsentMark{"not sent to the controller", "未发送到控制器"};
constexpr Bilingual Notes{"Notes", "备注"};

}  // namespace

SetupSheet setupSheet(const DescribedBlock& described, const QString& file, const QString& date,
                      const std::function<bool(int slot)>& unsent, bool chinese) {
    const SettingsDescription& settings = described.settings;
    SetupSheet sheet{
        Title.in(chinese),
        {FileFact.in(chinese).arg(file.isEmpty() ? NotSaved.in(chinese) : file),
         DateFact.in(chinese).arg(date), TypeFact.in(chinese).arg(settings.type),
         ModelFact.in(chinese).arg(settings.model.isEmpty() ? NoModel.in(chinese)
                                                            : settings.model)},
        {SettingColumn.in(chinese), ValueColumn.in(chinese), FactoryColumn.in(chinese)},
        {},
        UnsentMark.in(chinese),
        Notes.in(chinese)};
    for (std::size_t i = 0; i < settings.parameters.size(); ++i) {
        const SlotDescription& parameter = settings.parameters[i];
        if (parameter.inUse) {
            sheet.rows.push_back({parameter.name.trimmed(), shown(parameter),
                                  differsFromFactory(described, i)
                                      ? shown(described.factory.parameters[i])
                                      : QString(),
                                  unsent(parameter.slot)});
        }
    }
    return sheet;
}

}  // namespace rotaline
