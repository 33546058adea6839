#include "about/SystemInformation.h"

#include <array>

#include "model/FixedTexts.h"
#include "version.h"

namespace rotaline {

namespace {

constexpr std::uint32_t AllAccess = 0x2003F;
constexpr int ValueCapacity = 1024;
constexpr std::uint32_t StringValue = 1;
constexpr std::uint32_t NumberValue = 4;
constexpr std::array<const char*, 4> LinuxTools{"hardinfo2", "hardinfo", "kinfocenter",
                                                "gnome-system-monitor"};

QString numberOf(const QByteArray& data) {
    quint32 number = 0;
    for (int i = static_cast<int>(std::min<qsizetype>(data.size(), 4)) - 1; i >= 0; --i) {
        number = (number << 8) | static_cast<unsigned char>(data[i]);
    }
    return QString::number(number);
}

bool startRegisteredTool(Registry& registry, Launcher& launcher, bool* started) {
    QString path;
    if (GetKeyValue(registry, Registry::LocalMachine,
                    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), path)) {
        *started = launcher.start(path);
        return true;
    }
    QString folder;
    if (GetKeyValue(registry, Registry::LocalMachine,
                    QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), folder)) {
        const QString program = folder + QStringLiteral("\\MSINFO32.EXE");
        if (launcher.fileExists(program)) {
            *started = launcher.start(program);
            return true;
        }
    }
    return false;
}

}  // namespace

bool GetKeyValue(Registry& registry, std::uint32_t keyRoot, const QString& keyName,
                 const QString& subKeyRef, QString& keyVal) {
    const std::optional<Registry::Key> key = registry.open(keyRoot, keyName, AllAccess);
    bool result = false;
    std::uint32_t type = 0;
    QByteArray data;
    if (!key || !registry.query(*key, subKeyRef, ValueCapacity, &type, &data)) {
        keyVal.clear();
    } else {
        data.truncate(ValueCapacity);
        if (data.endsWith('\0')) {
            data.chop(1);
        }
        if (type == StringValue) {
            keyVal = QString::fromLocal8Bit(data);
        } else if (type == NumberValue) {
            keyVal = numberOf(data);
        }
        result = true;
    }
    registry.close(key);
    return result;
}

void StartSysInfo(Registry& registry, Launcher& launcher, Dialogs& dialogs) {
    bool started = false;
    if (!startRegisteredTool(registry, launcher, &started)) {
        for (const char* tool : LinuxTools) {
            const QString program = launcher.findProgram(QLatin1String(tool));
            if (!program.isEmpty()) {
                started = launcher.start(program);
                break;
            }
        }
    }
    if (!started) {
        dialogs.message(QString::fromUtf8(fixed::SystemInformationMissing), Dialogs::Icon::None,
                        Dialogs::Buttons::Ok);
    }
}

QString aboutCaption() {
    return QString::fromUtf8(fixed::AboutCaption) + QLatin1String(ApplicationTitle);
}

QString aboutVersion() {
    return QString::fromUtf8(fixed::AboutVersion)
        .arg(VersionMajor)
        .arg(VersionMinor)
        .arg(VersionRevision);
}

}  // namespace rotaline
