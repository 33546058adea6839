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
constexpr Bilingual Finishing{"Finishing sending to the controller…", "正在完成向控制器的发送…"};
constexpr Bilingual QuitNow{"Quit now", "立即退出"};

}  // namespace

LineStatus lineStatusOf(const LineClock& line, const QString& port, bool chinese,
                        LineClock::Clock::time_point now) {
    if (line.runBytes() == 0) {
        return {};
    }
    if (!line.isBusy(now)) {
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

QString finishingText(bool chinese) {
    return Finishing.in(chinese);
}

QString quitNowText(bool chinese) {
    return QuitNow.in(chinese);
}

}  // namespace rotaline
