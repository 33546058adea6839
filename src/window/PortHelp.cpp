#include "window/PortHelp.h"

#include <array>

#include "window/Texts.h"

namespace rotaline {

namespace {

struct Fix {
    PortProblem problem;
    Bilingual text;
};

constexpr std::array<Fix, 8> Fixes{{
    {PortProblem::Unassigned,
     {"Choose the adapter for COM%1 in File > Serial adapters... (or click the lamp).",
      "请在 文件 > 串口适配器... 中为 COM%1 选择适配器（或单击指示灯）。"}},
    {PortProblem::NotSerial,
     {"Give COM%1 a serial adapter in File > Serial adapters... (or click the lamp).",
      "请在 文件 > 串口适配器... 中为 COM%1 指定一个串口适配器（或单击指示灯）。"}},
    {PortProblem::ConfigUnreadable,
     {"Correct the settings file or move it away, then start Rotaline again.",
      "请修正或移走该设置文件，然后重新启动 Rotaline。"}},
    {PortProblem::Absent,
     {"Plug in the adapter, or choose another one for COM%1 in File > Serial adapters...",
      "请插上编程适配器，或在 文件 > 串口适配器... 中为 COM%1 另选一个。"}},
    {PortProblem::PermissionDenied,
     {"Installed from its package, Rotaline lets the user at the desktop open CH340, CH341, "
      "CP210x, FT232R and PL2303 adapters (plug the adapter in again after installing). For other "
      "devices, add yourself to the dialout group with \"sudo adduser $USER dialout\", then log "
      "out and in again.",
      "从软件包安装后，Rotaline 允许桌面用户直接打开 CH340、CH341、CP210x、FT232R 和 PL2303 适配器"
      "（安装后请重新插上适配器）。其他设备请用 \"sudo adduser $USER dialout\" 把自己加入 dialout "
      "组，然后重新登录。"}},
    {PortProblem::TakenByBrltty,
     {"brltty is running: it takes CH340/CH341 adapters for braille displays, and their device "
      "vanishes. Unless you use a braille display, remove it (\"sudo apt remove brltty\") and "
      "plug the adapter in again.",
      "brltty 正在运行：它把 CH340/CH341 适配器当作盲文显示器占用，设备随即消失。"
      "如不使用盲文显示器，请卸载它（\"sudo apt remove brltty\"）后重新插上适配器。"}},
    {PortProblem::ProbedByModemManager,
     {"ModemManager is probing the new port for a modem: wait a few seconds and choose the port "
      "again, or stop it with \"sudo systemctl stop ModemManager\".",
      "ModemManager 正在探测这个新端口：请等几秒钟后重新选择该端口，或用 "
      "\"sudo systemctl stop ModemManager\" 停止它。"}},
    {PortProblem::Busy,
     {"Close the other program and choose the port again.",
      "请关闭占用它的程序后重新选择该端口。"}},
}};

}  // namespace

QString portHelp(const LinkOutcome& outcome, int portNumber, bool chinese) {
    if (outcome.ok) {
        return {};
    }
    QString help = outcome.reason;
    for (const Fix& fix : Fixes) {
        if (fix.problem == outcome.problem) {
            const QString text = fix.text.in(chinese);
            help += QLatin1Char('\n') +
                    (text.contains(QLatin1String("%1")) ? text.arg(portNumber) : text);
        }
    }
    return help;
}

}  // namespace rotaline
