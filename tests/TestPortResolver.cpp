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
};

QTEST_GUILESS_MAIN(TestPortResolver)
#include "TestPortResolver.moc"
