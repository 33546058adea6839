#include "window/AdapterAdvice.h"

#include <array>

#include "model/AdapterChips.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

// %1 the adapter (its device, or its chip when the system made no device), %2 the module, the
// group, the program or the command, %3 the program's process, %4 the chips of the udev rule.
struct Advice {
    AdapterCause cause;
    Bilingual what;
    Bilingual fix;
};

constexpr std::array<Advice, 9> Advices{{
    {AdapterCause::Usable, {"Ready.", "可以使用。"}, {"", ""}},
    {AdapterCause::TakenByBrltty,
     {"brltty took the %1 adapter for a braille display, so it has no serial device.",
      "brltty 把 %1 适配器当作盲文显示器占用了，因此它没有串口设备。"},
     {"Unless you use a braille display, run \"sudo apt remove brltty\" and plug the adapter in "
      "again.",
      "如不使用盲文显示器，请运行 \"sudo apt remove brltty\"，然后重新插上适配器。"}},
    {AdapterCause::NoDriver,
     {"No driver has taken the %1 adapter: it needs the kernel module %2.",
      "没有驱动接管 %1 适配器：它需要内核模块 %2。"},
     {"Run \"sudo modprobe %2\"; if that fails, the kernel was updated: restart the computer.",
      "请运行 \"sudo modprobe %2\"；如果失败，说明内核已更新：请重新启动计算机。"}},
    {AdapterCause::NoPermission,
     {"You may not open %1: it belongs to the group %2, and your user is not in it.",
      "您无权打开 %1：它属于 %2 组，而您的用户不在该组中。"},
     {"Run \"sudo adduser $USER %2\", then log out and back in. Installed from its package, "
      "Rotaline opens %4 adapters without it (plug the adapter in again after installing).",
      "请运行 \"sudo adduser $USER %2\"，然后注销并重新登录。从软件包安装后，Rotaline 无需该组"
      "即可打开 %4 适配器（安装后请重新插上适配器）。"}},
    {AdapterCause::LogInAgain,
     {"Your user was added to the group %2 after this login began, so %1 may not be opened yet.",
      "您的用户在本次登录之后才加入 %2 组，因此还不能打开 %1。"},
     {"Log out and back in (or restart the computer).", "请注销并重新登录（或重新启动计算机）。"}},
    {AdapterCause::ProbedByModemManager,
     {"ModemManager is probing %1 for a modem.", "ModemManager 正在探测 %1 是否为调制解调器。"},
     {"Wait a few seconds, or run \"sudo systemctl stop ModemManager\".",
      "请等几秒钟，或运行 \"sudo systemctl stop ModemManager\"。"}},
    {AdapterCause::Busy,
     {"%1 is in use by %2 (process %3).", "%1 正被 %2（进程 %3）占用。"},
     {"Close %2, then choose the port again.", "请关闭 %2，然后重新选择该端口。"}},
    {AdapterCause::Sandbox,
     {"Rotaline runs in a sandbox that shows it no serial devices.",
      "Rotaline 运行在沙盒中，看不到任何串口设备。"},
     {"Allow it serial devices with \"%2\", then start Rotaline again.",
      "请用 \"%2\" 允许它访问串口设备，然后重新启动 Rotaline。"}},
    {AdapterCause::NothingPlugged,
     {"No serial adapter is plugged in: the system shows none on USB.",
      "没有插上串口适配器：系统在 USB 上找不到任何串口适配器。"},
     {"Plug the adapter in. If it still does not show, its cable may be a charge-only cable "
      "(without data lines) or its hub may have no power: try another cable or socket.",
      "请插上适配器。如果仍然没有出现，可能是只能充电的数据线（没有数据线芯），或集线器没有供电："
      "请换一根线或换一个插口。"}},
}};

constexpr Bilingual SocketNote{
    "Another adapter of its kind has the same name, so its COM number follows the USB socket: "
    "keep the cable in that socket.",
    "另一个同型号的适配器与它同名，因此它的 COM 口号跟随 USB 插口：请让连线一直插在这个插口。"};

constexpr std::array<Bilingual, 4> Standings{
    {{"Rotaline runs as root, which may open any serial device.",
      "Rotaline 以 root 身份运行，可以打开任何串口设备。"},
     {"Your user is in the group \"dialout\", so it may open any serial adapter.",
      "您的用户属于 \"dialout\" 组，可以打开任何串口适配器。"},
     {"Your user was added to the group \"dialout\" after this login began: log out and back in "
      "before it may open serial adapters.",
      "您的用户在本次登录之后才加入 \"dialout\" 组：请注销并重新登录，之后才能打开串口适配器。"},
     {"Installed from its package, Rotaline lets the user at the desktop open %1 adapters. Other "
      "devices need the group \"dialout\", which your user is not in: run \"sudo adduser $USER "
      "dialout\", then log out and back in.",
      "从软件包安装后，Rotaline 允许桌面用户打开 %1 适配器。其他设备需要 \"dialout\" 组的权限，"
      "您的用户不属于该组：请运行 \"sudo adduser $USER dialout\"，然后注销并重新登录。"}}};

const Advice& adviceFor(AdapterCause cause) {
    return Advices[static_cast<size_t>(cause)];
}

QString filledIn(const char* text, const AdapterFinding& finding, bool chinese) {
    const QString adapter = finding.device.isEmpty() ? finding.chip : finding.device;
    const QStringList words{adapter, finding.detail, QString::number(finding.pid),
                            ruleChips(chinese)};
    QString out = QString::fromUtf8(text);
    for (int n = static_cast<int>(words.size()); n >= 1; --n) {
        out.replace(QLatin1Char('%') + QString::number(n), words[n - 1]);
    }
    return out;
}

}  // namespace

QString adapterCause(const AdapterFinding& finding, bool chinese) {
    const Bilingual& what = adviceFor(finding.cause).what;
    return filledIn(chinese ? what.chinese : what.english, finding, chinese);
}

QString adapterFix(const AdapterFinding& finding, bool chinese) {
    const Bilingual& fix = adviceFor(finding.cause).fix;
    return filledIn(chinese ? fix.chinese : fix.english, finding, chinese);
}

QString socketNote(bool chinese) {
    return SocketNote.in(chinese);
}

QString standingText(GroupStanding standing, bool chinese) {
    return Standings[static_cast<size_t>(standing)].in(chinese).replace(QStringLiteral("%1"),
                                                                        ruleChips(chinese));
}

QString ruleChips(bool chinese) {
    QStringList names;
    for (const AdapterChip& chip : AdapterChips) {
        if (!chip.vendor.empty()) {
            names << fromView(chip.name);
        }
    }
    const QString last = names.takeLast();
    return chinese ? names.join(QStringLiteral("、")) + QStringLiteral(" 和 ") + last
                   : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

}  // namespace rotaline
