#include "window/port/LineStatus.h"

#include <QDateTime>
#include <chrono>

#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"LineStatus"};

constexpr const char* Sending =
    QT_TRANSLATE_NOOP("LineStatus", "Sending to %1… %2 messages left (%3 s)");
constexpr const char* SendingOne =
    QT_TRANSLATE_NOOP("LineStatus", "Sending to %1… %2 message left (%3 s)");
constexpr const char* AllSent = QT_TRANSLATE_NOOP("LineStatus", "All settings sent to %1 at %2");
constexpr const char* HandshakeSent = QT_TRANSLATE_NOOP("LineStatus", "Handshake sent to %1");
constexpr const char* OneUnsent = QT_TRANSLATE_NOOP(
    "LineStatus", "%1 setting not sent to the controller — File > Send all settings again");
constexpr const char* SomeUnsent = QT_TRANSLATE_NOOP(
    "LineStatus", "%1 settings not sent to the controller — File > Send all settings again");
constexpr const char* OneUnsentNoModel = QT_TRANSLATE_NOOP(
    "LineStatus", "%1 setting not sent to the controller — choose the model first");
constexpr const char* SomeUnsentNoModel = QT_TRANSLATE_NOOP(
    "LineStatus", "%1 settings not sent to the controller — choose the model first");
constexpr const char* Finishing =
    QT_TRANSLATE_NOOP("LineStatus", "Finishing sending to the controller…");
constexpr const char* Back = QT_TRANSLATE_NOOP("LineStatus", "%1 is back");
constexpr const char* BackOneUnsent = QT_TRANSLATE_NOOP(
    "LineStatus", "%1 is back — %2 setting not sent: File > Send all settings again");
constexpr const char* BackSomeUnsent = QT_TRANSLATE_NOOP(
    "LineStatus", "%1 is back — %2 settings not sent: File > Send all settings again");
constexpr const char* BackOneUnsentNoModel =
    QT_TRANSLATE_NOOP("LineStatus", "%1 is back — %2 setting not sent: choose the model first");
constexpr const char* BackSomeUnsentNoModel =
    QT_TRANSLATE_NOOP("LineStatus", "%1 is back — %2 settings not sent: choose the model first");
constexpr const char* QuitNow = QT_TRANSLATE_NOOP("LineStatus", "Quit now");
constexpr const char* Close = QT_TRANSLATE_NOOP("LineStatus", "Close");

}  // namespace

LineStatus lineStatusOf(const LineClock& line, const QString& port, const Language& language,
                        const LineRecord& record, LineClock::Clock::time_point now) {
    const bool busy = line.runBytes() > 0 && line.isBusy(now);
    if (record.unsent > 0 && !busy) {
        return {unsentText(record.unsent, record.sendAll, language), 100, false};
    }
    if (line.runBytes() == 0) {
        return {};
    }
    if (!busy) {
        const QDateTime last =
            QDateTime::fromMSecsSinceEpoch(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               line.lastByteAt().time_since_epoch())
                                               .count());
        const QString sent =
            record.handshakeOnly
                ? catalogue(language, HandshakeSent).arg(port)
                : catalogue(language, AllSent).arg(port, last.toString(QStringLiteral("HH:mm:ss")));
        return {record.advice.isEmpty() ? sent : sent + QStringLiteral(". ") + record.advice, 100,
                false};
    }
    const int messages = (line.bytesLeft(now) + 1) / 2;
    const double seconds = std::chrono::duration<double>(line.timeLeft(now)).count();
    return {catalogue(language, messages == 1 ? SendingOne : Sending)
                .arg(port)
                .arg(messages)
                .arg(seconds, 0, 'f', 1),
            line.percentDone(now), true};
}

QString unsentText(int count, bool sendAll, const Language& language) {
    const char* text = sendAll ? (count == 1 ? OneUnsent : SomeUnsent)
                               : (count == 1 ? OneUnsentNoModel : SomeUnsentNoModel);
    return catalogue(language, text).arg(count);
}

QString backText(const QString& port, int unsent, bool sendAll, const Language& language) {
    if (unsent == 0) {
        return catalogue(language, Back).arg(port);
    }
    const char* text = sendAll ? (unsent == 1 ? BackOneUnsent : BackSomeUnsent)
                               : (unsent == 1 ? BackOneUnsentNoModel : BackSomeUnsentNoModel);
    return catalogue(language, text).arg(port).arg(unsent);
}

QString finishingText(const Language& language) {
    return catalogue(language, Finishing);
}

QString quitNowText(const Language& language) {
    return catalogue(language, QuitNow);
}

QString closeText(const Language& language) {
    return catalogue(language, Close);
}

}  // namespace rotaline
