#include "window/PortHelp.h"

#include <array>

#include "window/Texts.h"

namespace rotaline {

namespace {

struct Fix {
    PortProblem problem;
    Bilingual text;
};

constexpr std::array<Fix, 4> Fixes{{
    {PortProblem::Unassigned,
     {"Choose the adapter for COM%1 in File > Serial adapters... (or click the lamp).",
      "请在 文件 > 串口适配器... 中为 COM%1 选择适配器（或单击指示灯）。"}},
    {PortProblem::Absent,
     {"Plug in the adapter, or choose another one for COM%1 in File > Serial adapters...",
      "请插上编程适配器，或在 文件 > 串口适配器... 中为 COM%1 另选一个。"}},
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
