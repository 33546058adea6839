// Feeds arbitrary bytes to the settings-file loader of a started form: the file must either be
// applied or be refused with everything left as it was.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "support/FormFixture.h"

using namespace rotaline;
using namespace rotaline::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString path = dir.filePath(QStringLiteral("input.esc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return 0;
    }
    file.close();
    FormFixture f(FormFixture::Start::Loaded);
    const QString before = f.snapshot();
    f.form.LoadSettingsFile(path);
    const QStringList texts = f.dialogs.texts();
    const bool refused = texts.contains(QStringLiteral(" File is error !")) ||
                         texts.contains(QStringLiteral("File is not found or file is error!"));
    if (refused && (texts.size() != 1 || f.snapshot() != before)) {
        std::abort();
    }
    if (!refused && !texts.isEmpty()) {
        std::abort();
    }
    return 0;
}
