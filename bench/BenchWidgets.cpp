// Times the real window (offscreen): a user's change, notes and received bytes into the note
// box, and the program's share of a model selection's time on the line.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "support/FormFixture.h"
#include "ui/MainWindow.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        }
    }
    return 0;
}

void report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[static_cast<size_t>(q * (micros.size() - 1))]; };
    std::printf("%-44s median %9.1f us   p10 %9.1f   p90 %9.1f   (n=%zu)\n", what, at(0.5), at(0.1),
                at(0.9), micros.size());
}

void clicks(MainWindow& window) {
    auto* hard = qobject_cast<QAbstractButton*>(window.widget(QStringLiteral("OptionBrake(4)")));
    auto* soft = qobject_cast<QAbstractButton*>(window.widget(QStringLiteral("OptionBrake(2)")));
    std::vector<double> micros;
    QElapsedTimer timer;
    for (int i = 0; i < 3000; ++i) {
        timer.start();
        (i % 2 == 0 ? hard : soft)->click();
        micros.push_back(timer.nsecsElapsed() / 1000.0);
    }
    report("one change through the widgets", micros);
}

void notes(FormFixture& f) {
    for (int notes : {10000, 20000, 40000}) {
        f.form.CommandClear_Click();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < notes; ++i) {
            f.controls.Text1->append(QStringLiteral("Brake type: Hard\r\n"));
        }
        QApplication::processEvents();
        std::printf("%-44s %9.1f ms for %d notes\n", "notes into the note box widget",
                    timer.nsecsElapsed() / 1e6, notes);
    }
}

void received(FormFixture& f) {
    struct : FormHost {  // a window that waits for nothing
        void waitProcessingEvents(int) override {}
    } host;
    f.form.setHost(&host);
    const double before = residentMegabytes();
    const QByteArray burst(4096, 'z');
    for (int megabytes = 1; megabytes <= 3; ++megabytes) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 256; ++i) {
            f.port.feed(burst);
        }
        QApplication::processEvents();
        std::printf("%-44s %9.1f ms for MB %d, resident %+.1f MB\n",
                    "received bytes into the note box", timer.nsecsElapsed() / 1e6, megabytes,
                    residentMegabytes() - before);
    }
    f.form.setHost(nullptr);
}

// The longest the window goes without handling its events while 1 MB arrives in bursts and
// the user keeps changing a setting.
void responsiveness() {
    FormFixture f(FormFixture::Start::Loaded);
    MainWindow window(f.form);
    window.show();
    const QByteArray burst(4096, 'z');
    int bursts = 0;
    int changes = 0;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer flood;
    QObject::connect(&flood, &QTimer::timeout, [&] {
        if (bursts < 256) {
            ++bursts;
            QTimer::singleShot(0, [&] { f.port.feed(burst); });
        }
    });
    QTimer user;
    QObject::connect(&user, &QTimer::timeout,
                     [&] { f.options("OptionBrake").select(1 + changes++ % 5); });
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    flood.start(2);
    user.start(15);
    heartbeat.start(5);
    while (bursts < 256 || f.port.threshold() == 0) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::printf("%-44s longest gap %lld ms over %lld ms, %d changes sent in order: %s\n",
                "1 MB received while the user works", longest, clock.elapsed(), changes,
                f.port.writes().size() == changes ? "yes" : "no");
}

void wireShare(FormFixture& f) {
    f.controls.SSTab1->select(3);
    f.port.clearWritten();
    QElapsedTimer timer;
    timer.start();
    f.controls.ComboCTRmodel[3]->setListIndex(1);
    const double handedMs = timer.nsecsElapsed() / 1e6;
    const double wireMs = f.port.written().size() * 11 * 1000.0 / 300;
    std::printf("%-44s %d bytes: line %.0f ms, program %.3f ms (%.3f %% added)\n",
                "model selection at 300 baud 8E1", int(f.port.written().size()), wireMs, handedMs,
                100 * handedMs / wireMs);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FormFixture f(FormFixture::Start::Loaded);
    MainWindow window(f.form);
    window.show();
    clicks(window);
    wireShare(f);
    notes(f);
    received(f);
    responsiveness();
    return 0;
}
