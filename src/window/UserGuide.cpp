#include "window/UserGuide.h"

#include <array>

#include "model/ParameterTable.h"
#include "model/SlotTable.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr Bilingual Title{"How to use Rotaline", "Rotaline 使用说明"};

struct Section {
    Bilingual heading;
    Bilingual text;  // paragraphs split by "\n"
};

// Before the settings.
constexpr std::array<Section, 2> Before{{
    {{"Connecting the controller", "连接控制器"},
     {"Plug the programming adapter into a USB port and its cable into the controller's "
      "programming socket (for most controllers, the throttle lead), then power the controller "
      "as its manual says.\n"
      "Open File > Serial adapters... (or click the lamp): it lists the serial adapters the "
      "system sees, says when none is plugged in and whether your user may open one, and gives "
      "your adapter a COM number. The adapter keeps that number when it is plugged in again.\n"
      "The lamp beside the port list lights when the port opens. When it stays off, the status "
      "bar and the lamp's tooltip say why and how to fix it.",
      "把编程适配器插入 USB 口，把它的连线接到控制器的编程插口（大多数控制器为油门线），"
      "然后按控制器说明书给它通电。\n"
      "打开 文件 > 串口适配器...（或单击指示灯）：窗口列出系统看到的串口适配器，"
      "没有插上时会说明，并说明您的用户能否打开它；在这里为适配器指定一个 COM 口号，"
      "重新插上后仍然保持。\n"
      "端口打开后，端口列表旁的指示灯会亮。指示灯不亮时，状态栏和指示灯的提示会说明原因"
      "及解决办法。"}},
    {{"Port, type and model", "端口、类型和型号"},
     {"Choose the COM number of your adapter in the port list. Then choose the tab of your "
      "controller's type (airplane, helicopter, boat or car) and its model in the list on "
      "that tab: choosing the model sends the model's factory settings to the controller.\n"
      "Every change of a setting is sent at once and written in the note box. A setting that "
      "could not be sent is framed in red with a \"!\" until File > Send all settings again "
      "sends it.",
      "在端口列表中选择适配器的 COM 口号。然后选择控制器类型的选项卡（固定翼飞机、直升飞机、"
      "船用或车用），再在该页的列表中选择型号：选择型号即向控制器发送该型号的出厂设置。\n"
      "每次更改设置都会立即发送，并记录在记录框中。未能发送的设置以红框和“!”标出，"
      "直到 文件 > 重新发送全部设置 把它发出。"}},
}};

constexpr Section SettingsSection{
    {"What each setting does", "各项设置的作用"},
    {"Only the settings your controller's type and model offer can be changed; the others are "
     "hidden or greyed. Factory Default sends every factory setting again.",
     "只能更改控制器类型和型号所提供的设置，其他设置隐藏或变灰。"
     "“恢复工厂默认值”会重新发送全部出厂设置。"}};

// After the settings.
constexpr std::array<Section, 3> After{{
    {{"Settings files", "设置文件"},
     {"File > Save... writes the settings shown to a *.esc file, File > Open... loads one and "
      "sends its settings to the controller; the File menu lists the last four files. The "
      "save dialog starts on the file opened or saved last, and asks before it replaces any "
      "other file. The window's title names that file and marks it with \"*\" while the "
      "settings shown differ from it.",
      "文件 > 保存... 把当前设置写入 *.esc 文件，文件 > 打开... 载入设置文件并把其中的设置"
      "发送给控制器；文件菜单列出最近的四个文件。保存对话框从最近打开或保存的文件开始，"
      "替换其他已有文件前会先询问。窗口标题显示该文件名，当前设置与它不同时标有“*”。"}},
    {{"Undo", "撤销"},
     {"Edit > Undo puts your last change of a setting back and Edit > Redo makes it again; "
      "each is sent like a change of your own. Choosing a model, a tab, a port, the factory "
      "defaults or loading a file starts the history afresh.",
      "编辑 > 撤销 恢复您对设置的上一次更改，编辑 > 重做 再次进行该更改；两者都像您自己的"
      "更改一样发送。选择型号、选项卡、端口、恢复出厂设置或载入文件后，历史重新开始。"}},
    {{"The keyboard", "键盘"},
     {"Tab goes through the window from the top left, row by row; an option group is one stop "
      "and the arrow keys choose inside it. The timing bar steps 1 with Left/Right and 5 with "
      "Page Up/Page Down.\n"
      "Ctrl+O opens, Ctrl+S saves, Ctrl+Q exits, Ctrl+Z undoes and Ctrl+Shift+Z redoes; "
      "Alt with a menu's underlined letter opens that menu.",
      "Tab 键从左上角起逐行经过窗口中的控件；一个选项组为一站，用方向键在组内选择。"
      "提前角度滑块用左/右方向键每次调整 1，用 Page Up/Page Down 每次调整 5。\n"
      "Ctrl+O 打开，Ctrl+S 保存，Ctrl+Q 退出，Ctrl+Z 撤销，Ctrl+Shift+Z 重做；"
      "Alt 加菜单中带下划线的字母可打开该菜单。"}},
}};

QString paragraphs(const QString& text) {
    return QStringLiteral("<p>") +
           text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("</p><p>")) +
           QStringLiteral("</p>");
}

QString section(const Section& section, bool chinese) {
    return QStringLiteral("<h2>") + section.heading.in(chinese).toHtmlEscaped() +
           QStringLiteral("</h2>") + paragraphs(section.text.in(chinese));
}

// Each setting by the name its note gives it, with its control's hint.
QString settingsList(const MainForm& form) {
    QString list = QStringLiteral("<dl>");
    for (const Parameter& parameter : Parameters) {
        const Control* control = form.find(fromView(slotInfo(parameter.slot).owner));
        list +=
            QStringLiteral("<dt><b>") + form.notePrefix(parameter.slot).trimmed().toHtmlEscaped() +
            QStringLiteral("</b></dt><dd>") +
            control->toolTip().toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
            QStringLiteral("</dd>");
    }
    return list + QStringLiteral("</dl>");
}

}  // namespace

QString userGuideTitle(bool chinese) {
    return Title.in(chinese);
}

QString userGuide(const MainForm& form) {
    const bool chinese = form.flags().chinese;
    QString html =
        QStringLiteral("<h1>") + Title.in(chinese).toHtmlEscaped() + QStringLiteral("</h1>");
    for (const Section& part : Before) {
        html += section(part, chinese);
    }
    html += section(SettingsSection, chinese) + settingsList(form);
    for (const Section& part : After) {
        html += section(part, chinese);
    }
    return html;
}

}  // namespace rotaline
