#include "window/port/LineStatus.h"

#include <QDateTime>
#include <chrono>

#include "platform/Printable.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"LineStatus"};

constexpr const char* Sending =
    QT_TRANSLATE_N_NOOP("LineStatus", "Sending to %1… %n message(s) left (%2 s)");
constexpr const char* AllSent = QT_TRANSLATE_NOOP("LineStatus", "All settings sent to %1 at %2");
constexpr const char* HandshakeSent = QT_TRANSLATE_NOOP("LineStatus", "Handshake sent to %1");
constexpr const char* Unsent = QT_TRANSLATE_N_NOOP(
    "LineStatus", "%n setting(s) not sent to the controller — File > Send all settings again");
constexpr const char* UnsentNoModel = QT_TRANSLATE_N_NOOP(
    "LineStatus", "%n setting(s) not sent to the controller — choose the model first");
constexpr const char* Finishing =
    QT_TRANSLATE_NOOP("LineStatus", "Finishing sending to the controller…");
constexpr const char* Back = QT_TRANSLATE_NOOP("LineStatus", "%1 is back");
constexpr const char* BackUnsent = QT_TRANSLATE_N_NOOP(
    "LineStatus", "%1 is back — %n setting(s) not sent: File > Send all settings again");
constexpr const char* BackUnsentNoModel = QT_TRANSLATE_N_NOOP(
    "LineStatus", "%1 is back — %n setting(s) not sent: choose the model first");
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
                                               line.lastByteAt(now).time_since_epoch())
                                               .count());
        const QString sent = record.handshakeOnly
                                 ? filled(catalogue(language, HandshakeSent), {port})
                                 : filled(catalogue(language, AllSent),
                                          {port, last.toString(QStringLiteral("HH:mm:ss"))});
        return {record.advice.isEmpty() ? sent : sent + QStringLiteral(". ") + record.advice, 100,
                false};
    }
    const int messages = (line.bytesLeft(now) + 1) / 2;
    const double seconds = std::chrono::duration<double>(line.timeLeft(now)).count();
    return {
        filled(catalogue(language, Sending, messages), {port, QString::number(seconds, 'f', 1)}),
        line.percentDone(now), true};
}

QString unsentText(int count, bool sendAll, const Language& language) {
    return catalogue(language, sendAll ? Unsent : UnsentNoModel, count);
}

QString backText(const QString& port, int unsent, bool sendAll, const Language& language) {
    if (unsent == 0) {
        return filled(catalogue(language, Back), {port});
    }
    return filled(catalogue(language, sendAll ? BackUnsent : BackUnsentNoModel, unsent), {port});
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
