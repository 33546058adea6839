// Runs the fuzz target over the corpus and over mutations of it, so the build without a
// fuzzing compiler still exercises it.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void feed(const QByteArray& bytes) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    QRandomGenerator random(41);
    int inputs = 0;
    for (const QString& name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            return 1;
        }
        const QByteArray seed = file.readAll();
        feed(seed);
        for (int round = 0; round < 300 && !seed.isEmpty(); ++round) {
            QByteArray bytes = seed;
            for (int i = 0, changes = 1 + random.bounded(4); i < changes; ++i) {
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            }
            feed(bytes);
        }
        inputs += 301;
    }
    std::printf("%d inputs, none crashed or left a half-applied state\n", inputs);
    return inputs > 0 ? 0 : 1;
}
