#include "window/PortHelp.h"

#include <array>

#include "window/AdapterAdvice.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

struct Fix {
    PortProblem problem;
    Bilingual text;
};

constexpr std::array<Fix, 10> Fixes{{
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
     {"Installed from its package, Rotaline lets the user at the desktop open %2 adapters (plug "
      "the adapter in again after installing). For other devices, add yourself to the dialout "
      "group with \"sudo adduser $USER dialout\", then log out and in again.",
      "从软件包安装后，Rotaline 允许桌面用户直接打开 %2 适配器（安装后请重新插上适配器）。"
      "其他设备请用 \"sudo adduser $USER dialout\" 把自己加入 dialout 组，然后重新登录。"}},
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
    {PortProblem::Disconnected,
     {"Plug the adapter in again, then File > Send all settings again.",
      "请重新插上适配器，然后选择 文件 > 重新发送全部设置。"}},
    {PortProblem::Stuck,
     {"Check the adapter and its cable, then File > Send all settings again.",
      "请检查适配器及其连线，然后选择 文件 > 重新发送全部设置。"}},
}};

// Why, by what kept the port from working: %1 is the COM number, %2 the device (or "COMn"
// when none was found), %3 and %4 the program that holds it and its process, %5 the bytes that
// never left.
struct Reason {
    PortProblem problem;
    Bilingual text;
};

constexpr std::array<Reason, 9> Reasons{{
    {PortProblem::Unassigned, {"No adapter is assigned to COM%1.", "COM%1 还没有指定适配器。"}},
    {PortProblem::NotSerial, {"%2 is not a serial device.", "%2 不是串口设备。"}},
    {PortProblem::Absent, {"%2 is not present.", "%2 不存在。"}},
    {PortProblem::TakenByBrltty, {"%2 is not present.", "%2 不存在。"}},
    {PortProblem::PermissionDenied, {"You may not use %2.", "您无权使用 %2。"}},
    {PortProblem::Busy, {"%2 is in use by another program.", "%2 正被另一个程序占用。"}},
    {PortProblem::ProbedByModemManager,
     {"%2 is in use by another program.", "%2 正被另一个程序占用。"}},
    {PortProblem::Disconnected,
     {"%2 was disconnected with %5 bytes not yet sent.", "%2 已断开，还有 %5 个字节未发送。"}},
    {PortProblem::Stuck,
     {"%2 stopped taking bytes; %5 of them were not sent.", "%2 不再接收字节，其中 %5 个未发送。"}},
}};
constexpr Bilingual AdapterOffer{"Use %1 as COM1", "把 %1 用作 COM1"};
constexpr Bilingual HeldBy{"%2 is in use by %3 (process %4).", "%2 正被 %3（进程 %4）占用。"};

// "%n" replaced by the n-th word in one pass, so that a word may hold "%" itself.
QString filled(const QString& text, const QStringList& words) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int n = i + 1 < text.size() && text[i] == '%' ? text[i + 1].digitValue() : -1;
        if (n >= 1 && n <= words.size()) {
            out += words[n - 1];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QString reasonOf(const LinkOutcome& outcome, int portNumber, bool chinese) {
    if (outcome.finding) {
        return adapterCause(*outcome.finding, chinese);
    }
    const QString device = outcome.device.isEmpty() ? portName(portNumber) : outcome.device;
    const QStringList words{QString::number(portNumber), device,
                            outcome.holder ? outcome.holder->program : QString(),
                            outcome.holder ? QString::number(outcome.holder->pid) : QString(),
                            QString::number(outcome.unsent)};
    if (outcome.holder) {
        return filled(HeldBy.in(chinese), words);
    }
    for (const Reason& reason : Reasons) {
        if (reason.problem == outcome.problem) {
            return filled(reason.text.in(chinese), words);
        }
    }
    return outcome.reason;  // the system's own words
}

}  // namespace

QString portTrouble(const LinkOutcome& outcome, int portNumber, bool chinese) {
    return outcome.ok ? QString() : reasonOf(outcome, portNumber, chinese);
}

QString portHelp(const LinkOutcome& outcome, int portNumber, bool chinese) {
    if (outcome.ok) {
        return {};
    }
    QString help = reasonOf(outcome, portNumber, chinese);
    if (outcome.finding) {
        return help + QLatin1Char('\n') + adapterFix(*outcome.finding, chinese);
    }
    for (const Fix& fix : Fixes) {
        if (fix.problem == outcome.problem) {
            help += QLatin1Char('\n') +
                    filled(fix.text.in(chinese), {QString::number(portNumber), ruleChips(chinese)});
        }
    }
    return help;
}

QString adapterOfferText(const QString& adapter, bool chinese) {
    return AdapterOffer.in(chinese).arg(adapter);
}

}  // namespace rotaline
