// Feeds arbitrary bytes to the settings-file loader of a started form: the file must either be
// applied without a word or be refused with one message and everything left as it was. Built
// with -fsanitize=fuzzer this is a fuzz target; in the suite, main replays the corpus and
// changes of it.
#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "support/FormFixture.h"

using namespace rotaline::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("input.esc")));
    const auto length = static_cast<qint64>(size);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), length) != length) {
        return 0;
    }
    file.close();
    FormFixture f(FormFixture::Start::Loaded);
    const QStringList before = f.state();
    f.form.LoadSettingsFile(file.fileName());
    const QStringList texts = f.dialogs.texts();
    if (!texts.isEmpty() && (texts.size() != 1 || f.state() != before)) {
        std::abort();
    }
    return 0;
}

#ifdef REPLAY_CORPUS
int main(int argc, char** argv) {
    const QDir corpus(QString::fromLocal8Bit(argc == 2 ? argv[1] : "(no corpus folder given)"));
    QRandomGenerator random(41);
    int inputs = 0;
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        const QByteArray seed = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        for (int round = 0; round <= 300 && (round == 0 || !seed.isEmpty()); ++round, ++inputs) {
            QByteArray bytes = seed;
            for (int i = 0, changes = round == 0 ? 0 : 1 + random.bounded(4); i < changes; ++i) {
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            }
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
        }
    }
    std::printf("%d inputs, none crashed or left a half-applied state\n", inputs);
    return inputs > 0 ? 0 : 1;
}
#endif
