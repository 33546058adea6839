#include "window/PortHelp.h"

#include <array>

#include "window/Texts.h"

namespace rotaline {

namespace {

struct Fix {
    PortProblem problem;
    Bilingual text;
};

constexpr std::array<Fix, 3> Fixes{{
    {PortProblem::Absent,
     {"Plug in the adapter, or name its device as COM%1 in the [Ports] section of "
      "~/.config/Rotaline/Rotaline.conf.",
      "请插上编程适配器，或在 ~/.config/Rotaline/Rotaline.conf 的 [Ports] 段中为 COM%1 "
      "指定设备。"}},
    {PortProblem::PermissionDenied,
     {"Add yourself to the dialout group with \"sudo adduser $USER dialout\", then log out and in "
      "again.",
      "请用 \"sudo adduser $USER dialout\" 把自己加入 dialout 组，然后重新登录。"}},
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
            help += QLatin1Char('\n') + fix.text.in(chinese).arg(portNumber);
        }
    }
    return help;
}

}  // namespace rotaline
