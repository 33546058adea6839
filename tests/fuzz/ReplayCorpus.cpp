// The suite's run of a fuzz target: each input of the corpus folder given, then changes of it
// (300 unless a second argument says how many), a few bytes each; the target aborts on a fault.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    const QDir corpus(QString::fromLocal8Bit(argc >= 2 ? argv[1] : "(no corpus folder given)"));
    const int rounds = argc == 3 ? std::atoi(argv[2]) : 300;
    QRandomGenerator random(41);
    int inputs = 0;
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        const QByteArray seed = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        for (int round = 0; round <= rounds && (round == 0 || !seed.isEmpty()); ++round, ++inputs) {
            QByteArray bytes = seed;
            for (int i = 0, changes = round == 0 ? 0 : 1 + random.bounded(4); i < changes; ++i) {
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            }
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
        }
    }
    std::printf("%d inputs, none failed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
