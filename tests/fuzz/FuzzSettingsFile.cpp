// Feeds arbitrary bytes to the settings-file loader of a started form: the file must either be
// applied without a word or be refused with one message and everything left as it was. Built
// with -fsanitize=fuzzer this is a fuzz target; in the suite, ReplayCorpus.cpp replays the
// corpus and changes of it.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdint>
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
