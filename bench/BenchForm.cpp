// Times the form model's cascades on a serial double and prints median and spread.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

namespace {

void report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[static_cast<size_t>(q * (micros.size() - 1))]; };
    std::printf("%-44s median %9.1f us   p10 %9.1f   p90 %9.1f   (n=%zu)\n", what, at(0.5), at(0.1),
                at(0.9), micros.size());
}

std::vector<double> repeat(int times, const std::function<void(int)>& run) {
    std::vector<double> micros;
    QElapsedTimer timer;
    for (int i = 0; i < times; ++i) {
        timer.start();
        run(i);
        micros.push_back(timer.nsecsElapsed() / 1000.0);
    }
    return micros;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    FormFixture f(FormFixture::Start::Loaded);

    report("one change, click to bytes",
           repeat(5000, [&](int i) { f.options("OptionBrake").select(i % 2 == 0 ? 4 : 1); }));
    f.controls.SSTab1->select(3);
    report("model selection cascade",
           repeat(500, [&](int i) { f.controls.ComboCTRmodel[3]->setListIndex(i % 2); }));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.esc"));
    f.dialogs.nextFileName(path);
    f.form.SaveSettingsFile();
    report("load and apply a settings file",
           repeat(300, [&](int) { f.form.LoadSettingsFile(path); }));

    for (int round = 0; round < 3; ++round) {
        f.form.CommandClear_Click();
        QElapsedTimer timer;
        timer.start();
        const int notes = 10000 * (round + 1);
        for (int i = 0; i < notes; ++i) {
            f.controls.Text1->append(QStringLiteral("Brake type: Hard\r\n"));
        }
        std::printf("%-44s %9.1f ms for %d notes\n", "notes appended to the note box",
                    timer.nsecsElapsed() / 1e6, notes);
    }
    return 0;
}
