#include <QtTest>

#include "platform/PortResolver.h"
#include "support/MemorySettingsStore.h"

using namespace rotaline;
using namespace rotaline::testing;

class TestPortResolver : public QObject {
    Q_OBJECT
private slots:
    void adaptersComeFirstInNaturalOrder() {
        QCOMPARE(PortResolver::ordered({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyACM0",
                                        "/dev/ttyUSB2", "/dev/ttyS10"}),
                 QStringList({"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0",
                              "/dev/ttyS1", "/dev/ttyS10"}));
    }

    void theSettingsStoreOverridesThePresentPorts() {
        MemorySettingsStore store;
        const PortResolver resolver(store, [] {
            return QStringList({"/dev/ttyS0", "/dev/ttyUSB0"});
        });
        QCOMPARE(resolver.deviceFor(1), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(resolver.deviceFor(2), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(resolver.deviceFor(3), QString());

        store.setValue("Ports", "COM1", "/dev/pts/7");
        store.setValue("Ports", "COM2", "  ");
        QCOMPARE(resolver.deviceFor(1), QStringLiteral("/dev/pts/7"));
        QCOMPARE(resolver.deviceFor(2), QStringLiteral("/dev/ttyS0"));
    }

    void theDescriptionSaysWhetherTheDeviceIsThere() {
        QTemporaryDir dev;
        QFile present(dev.filePath(QStringLiteral("ttyUSB0")));
        QVERIFY(present.open(QIODevice::WriteOnly));
        MemorySettingsStore store;
        store.setValue("Ports", "COM1", present.fileName());
        store.setValue("Ports", "COM2", dev.filePath(QStringLiteral("ttyUSB9")));
        const PortResolver resolver(store, [] { return QStringList(); });

        QCOMPARE(resolver.describe(1),
                 QStringLiteral("COM1: %1 (present)").arg(present.fileName()));
        QCOMPARE(resolver.describe(2),
                 QStringLiteral("COM2: %1 (not present)").arg(dev.filePath("ttyUSB9")));
        QCOMPARE(resolver.describe(3), QStringLiteral("COM3: no serial device"));
    }
};

QTEST_GUILESS_MAIN(TestPortResolver)
#include "TestPortResolver.moc"
