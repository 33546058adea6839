#include "window/LineStatus.h"

#include <QDateTime>
#include <chrono>

#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr Bilingual Sending{"Sending to %1… %2 messages left (%3 s)",
                            "正在发送到 %1… 还剩 %2 条消息（%3 秒）"};
constexpr Bilingual SendingOne{"Sending to %1… %2 message left (%3 s)",
                               "正在发送到 %1… 还剩 %2 条消息（%3 秒）"};
constexpr Bilingual AllSent{"All settings sent to %1 at %2", "所有设置已于 %2 发送到 %1"};
constexpr Bilingual HandshakeSent{"Handshake sent to %1", "握手信号已发送到 %1"};
constexpr Bilingual OneUnsent{
    "%1 setting not sent to the controller — File > Send all settings again",
    "%1 项设置未发送到控制器 — 文件 > 重新发送全部设置"};
constexpr Bilingual SomeUnsent{
    "%1 settings not sent to the controller — File > Send all settings again",
    "%1 项设置未发送到控制器 — 文件 > 重新发送全部设置"};
constexpr Bilingual Back{"%1 is back", "%1 已重新连接"};
constexpr Bilingual BackOneUnsent{
    "%1 is back — %2 setting not sent: File > Send all settings again",
    "%1 已重新连接 — %2 项设置未发送：文件 > 重新发送全部设置"};
constexpr Bilingual BackSomeUnsent{
    "%1 is back — %2 settings not sent: File > Send all settings again",
    "%1 已重新连接 — %2 项设置未发送：文件 > 重新发送全部设置"};
constexpr Bilingual Finishing{"Finishing sending to the controller…", "正在完成向控制器的发送…"};
constexpr Bilingual QuitNow{"Quit now", "立即退出"};
constexpr Bilingual Close{"Close", "关闭"};

}  // namespace

LineStatus lineStatusOf(const LineClock& line, const QString& port, bool chinese,
                        const LineRecord& record, LineClock::Clock::time_point now) {
    const bool busy = line.runBytes() > 0 && line.isBusy(now);
    if (record.unsent > 0 && !busy) {
        return {unsentText(record.unsent, chinese), 100, false};
    }
    if (line.runBytes() == 0) {
        return {};
    }
    if (!busy && record.handshakeOnly) {
        return {HandshakeSent.in(chinese).arg(port), 100, false};
    }
    if (!busy) {
        const QDateTime last =
            QDateTime::fromMSecsSinceEpoch(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               line.lastByteAt().time_since_epoch())
                                               .count());
        return {AllSent.in(chinese).arg(port, last.toString(QStringLiteral("HH:mm:ss"))), 100,
                false};
    }
    const int messages = (line.bytesLeft(now) + 1) / 2;
    const double seconds = std::chrono::duration<double>(line.timeLeft(now)).count();
    return {(messages == 1 ? SendingOne : Sending)
                .in(chinese)
                .arg(port)
                .arg(messages)
                .arg(seconds, 0, 'f', 1),
            line.percentDone(now), true};
}

QString unsentText(int count, bool chinese) {
    return (count == 1 ? OneUnsent : SomeUnsent).in(chinese).arg(count);
}

QString backText(const QString& port, int unsent, bool chinese) {
    if (unsent == 0) {
        return Back.in(chinese).arg(port);
    }
    return (unsent == 1 ? BackOneUnsent : BackSomeUnsent).in(chinese).arg(port).arg(unsent);
}

QString finishingText(bool chinese) {
    return Finishing.in(chinese);
}

QString quitNowText(bool chinese) {
    return QuitNow.in(chinese);
}

QString closeText(bool chinese) {
    return Close.in(chinese);
}

}  // namespace rotaline
