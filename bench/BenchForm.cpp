// Times the form model's cascades on a serial double and prints median and spread.
#include <QCoreApplication>
#include <QTemporaryDir>

#include "Timing.h"
#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::bench;
using namespace rotaline::testing;

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
