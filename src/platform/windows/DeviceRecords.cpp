#include "platform/windows/DeviceRecords.h"

// clang-format off
#include <windows.h>
#include <initguid.h>
#include <devguid.h>
#include <setupapi.h>
#include <cfgmgr32.h>
// clang-format on

#include <QRegularExpression>
#include <vector>

namespace rotaline {

namespace {

QString property(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD which) {
    wchar_t text[512] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(
            set, &device, which, &type, reinterpret_cast<BYTE*>(text), sizeof(text) - 2, nullptr)) {
        return {};
    }
    return QString::fromWCharArray(text);  // of a list (REG_MULTI_SZ), the first
}

QString instanceOf(DEVINST node) {
    wchar_t id[MAX_DEVICE_ID_LEN + 1] = {};
    return CM_Get_Device_IDW(node, id, MAX_DEVICE_ID_LEN, 0) == CR_SUCCESS
               ? QString::fromWCharArray(id)
               : QString();
}

// The USB device itself: the node, or the nearest one above it (an FTDI port sits under its
// USB device, a modem-class port under one of its interfaces, "&MI_00").
QString usbInstanceAbove(DEVINST node) {
    for (int up = 0; up < 4; ++up) {
        const QString id = instanceOf(node);
        if (id.startsWith(QLatin1String("USB\\"), Qt::CaseInsensitive) &&
            !id.contains(QLatin1String("&MI_"), Qt::CaseInsensitive)) {
            return id;
        }
        DEVINST parent = 0;
        if (CM_Get_Parent(&parent, node, 0) != CR_SUCCESS) {
            return {};
        }
        node = parent;
    }
    return {};
}

QString portNameOf(HDEVINFO set, SP_DEVINFO_DATA& device) {
    const HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) {
        return {};
    }
    wchar_t name[64] = {};
    DWORD size = sizeof(name) - 2;
    DWORD type = 0;
    const bool read = RegQueryValueExW(key, L"PortName", nullptr, &type,
                                       reinterpret_cast<BYTE*>(name), &size) == ERROR_SUCCESS &&
                      type == REG_SZ;
    RegCloseKey(key);
    return read ? QString::fromWCharArray(name) : QString();
}

// The ids in "USB\VID_1A86&PID_7523&REV_0254" or "FTDIBUS\COMPORT&VID_0403&PID_6001".
void readIds(DeviceRecord& record, const QString& hardwareId) {
    static const QRegularExpression ids(QStringLiteral("VID_([0-9A-F]{4})[&+]PID_([0-9A-F]{4})"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = ids.match(hardwareId);
    if (match.hasMatch()) {
        record.vendor = match.captured(1).toLower();
        record.product = match.captured(2).toLower();
    }
}

// Windows names a USB device by its serial number when it has one; otherwise by a made-up
// id, which holds an "&".
QString serialOf(const QString& usbInstance) {
    const QString last = usbInstance.section(QLatin1Char('\\'), 2);
    return last.contains(QLatin1Char('&')) ? QString() : last;
}

QList<DeviceRecord> records(const GUID* deviceClass, const wchar_t* enumerator, DWORD flags) {
    QList<DeviceRecord> found;
    const HDEVINFO set = SetupDiGetClassDevsW(deviceClass, enumerator, nullptr, flags);
    if (set == INVALID_HANDLE_VALUE) {
        return found;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        DeviceRecord record;
        record.instance = instanceOf(device.DevInst);
        record.usbInstance = usbInstanceAbove(device.DevInst);
        record.friendlyName = property(set, device, SPDRP_FRIENDLYNAME);
        if (record.friendlyName.isEmpty()) {
            record.friendlyName = property(set, device, SPDRP_DEVICEDESC);
        }
        record.maker = property(set, device, SPDRP_MFG);
        record.port = portNameOf(set, device);
        readIds(record, property(set, device, SPDRP_HARDWAREID));
        record.serial = serialOf(record.usbInstance);
        ULONG status = 0;
        ULONG problem = 0;
        if (CM_Get_DevNode_Status(&status, &problem, device.DevInst, 0) == CR_SUCCESS &&
            (status & DN_HAS_PROBLEM) != 0) {
            record.problem = problem;
        }
        found << record;
    }
    SetupDiDestroyDeviceInfoList(set);
    return found;
}

}  // namespace

QList<DeviceRecord> serialPortRecords() {
    return records(&GUID_DEVCLASS_PORTS, nullptr, DIGCF_PRESENT);
}

QList<DeviceRecord> usbDeviceRecords() {
    return records(nullptr, L"USB", DIGCF_ALLCLASSES | DIGCF_PRESENT);
}

}  // namespace rotaline
