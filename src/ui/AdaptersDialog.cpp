#include "ui/AdaptersDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/SerialDevices.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"AdaptersDialog"};

constexpr const char* Title = QT_TRANSLATE_NOOP("AdaptersDialog", "Serial adapters");
constexpr const char* Explanation = QT_TRANSLATE_NOOP(
    "AdaptersDialog",
    "Give your programming adapter a COM number. It keeps it when it is plugged in again.");
constexpr const char* NothingPresent = QT_TRANSLATE_NOOP(
    "AdaptersDialog",
    "No USB serial adapter is plugged in. Rotaline lists the serial devices the system "
    "reports in /sys/class/tty; an adapter appears here as soon as it is plugged in (as "
    "/dev/ttyUSB… or /dev/ttyACM…).");
constexpr const char* PermissionGranted = QT_TRANSLATE_NOOP(
    "AdaptersDialog", "Your user is in the group \"dialout\", so it may open any serial adapter.");
constexpr const char* PermissionMissing = QT_TRANSLATE_NOOP(
    "AdaptersDialog",
    "Installed from its package, Rotaline lets the user at the desktop open CH340, CH341, "
    "CP210x, FT232R and PL2303 adapters. Other devices need the group \"dialout\", which your "
    "user is not in: run \"sudo adduser $USER dialout\", then log in again.");
constexpr const char* AssignedByHand = QT_TRANSLATE_NOOP("AdaptersDialog", "assigned by hand");
constexpr const char* NotPresent = QT_TRANSLATE_NOOP("AdaptersDialog", "assigned, not present");
constexpr const char* PathLabel = QT_TRANSLATE_NOOP("AdaptersDialog", "Device path:");
constexpr const char* AssignPath = QT_TRANSLATE_NOOP("AdaptersDialog", "Assign");
constexpr const char* NoNumber = QT_TRANSLATE_NOOP("AdaptersDialog", "none");
constexpr std::array<const char*, 4> Headers{{QT_TRANSLATE_NOOP("AdaptersDialog", "COM port"),
                                              QT_TRANSLATE_NOOP("AdaptersDialog", "Adapter"),
                                              QT_TRANSLATE_NOOP("AdaptersDialog", "Device"),
                                              QT_TRANSLATE_NOOP("AdaptersDialog", "Stable name")}};

bool listed(const QList<SerialDevice>& devices, const QString& name) {
    return std::any_of(devices.begin(), devices.end(), [&name](const SerialDevice& device) {
        return device.stableName == name || device.path == name;
    });
}

}  // namespace

AdaptersDialog::AdaptersDialog(PortResolver& resolver, Devices devices, const Language& language,
                               QWidget* parent)
    : QDialog(parent),
      resolver_(resolver),
      devices_(std::move(devices)),
      language_(&language),
      table_(new QTableWidget(this)),
      empty_(new QLabel(this)) {
    setWindowTitle(catalogue(language, Title));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(catalogue(language, Explanation), this));
    QStringList headers;
    for (const char* header : Headers) {
        headers << catalogue(language, header);
    }
    table_->setColumnCount(static_cast<int>(Headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(table_);
    empty_->setWordWrap(true);
    layout->addWidget(empty_);
    layout->addWidget(buildPathRow());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 320);
    refresh();
}

// A device the system does not list, a pseudo-terminal for one, is named here by its path.
QWidget* AdaptersDialog::buildPathRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(catalogue(*language_, PathLabel), row);
    path_ = new QLineEdit(row);
    path_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    label->setBuddy(path_);
    pathNumber_ = new QComboBox(row);
    for (int n = 1; n <= PortCount; ++n) {
        pathNumber_->addItem(portName(n));
    }
    auto* assign = new QPushButton(catalogue(*language_, AssignPath), row);
    assign->setAutoDefault(false);
    connect(assign, &QPushButton::clicked, this,
            [this] { assignPath(path_->text(), pathNumber_->currentIndex() + 1); });
    layout->addWidget(label);
    layout->addWidget(path_, 1);
    layout->addWidget(pathNumber_);
    layout->addWidget(assign);
    return row;
}

// Any change in /dev calls this: the table is built again only when the devices changed, so that
// a list held open stays open.
void AdaptersDialog::refresh() {
    QList<SerialDevice> present = devices_();
    if (filled_ && present == present_) {
        return;
    }
    filled_ = true;
    present_ = std::move(present);
    const bool permitted = mayOpenSerialDevices();
    const bool noAdapter =
        std::none_of(present_.begin(), present_.end(),
                     [](const SerialDevice& d) { return PortResolver::isUsbAdapter(d.path); });
    QStringList why;
    if (noAdapter) {
        why << catalogue(*language_, NothingPresent);
    }
    if (noAdapter || !permitted) {
        why << catalogue(*language_, permitted ? PermissionGranted : PermissionMissing);
    }
    empty_->setText(why.join(QLatin1Char(' ')));
    empty_->setVisible(!why.isEmpty());
    fill();
}

// The devices present, then every device assigned that is not among them.
void AdaptersDialog::fill() {
    shown_ = present_;
    QStringList notes(shown_.size());
    for (int n = 1; n <= PortCount; ++n) {
        const QString device = resolver_.deviceFor(n);
        if (!device.isEmpty() && !listed(shown_, device)) {
            shown_ << SerialDevice{device, device, QString()};
            notes << catalogue(*language_, QFileInfo::exists(device) ? AssignedByHand : NotPresent);
        }
    }
    table_->setRowCount(static_cast<int>(shown_.size()));
    for (int row = 0; row < shown_.size(); ++row) {
        const SerialDevice& device = shown_[row];
        QComboBox* numbers = numbersFor(device.stableName);
        connect(numbers, &QComboBox::activated, this,
                [this, row](int portNumber) { assignRow(row, portNumber); });
        table_->setCellWidget(row, 0, numbers);
        const QString identity = device.identity.isEmpty() ? notes[row] : device.identity;
        table_->setItem(row, 1, new QTableWidgetItem(identity));
        table_->setItem(row, 2, new QTableWidgetItem(device.path));
        table_->setItem(row, 3, new QTableWidgetItem(readableDeviceName(device.stableName)));
    }
    table_->resizeColumnsToContents();
}

// "none", then COM1 … COM16; a number another device holds names that device.
QComboBox* AdaptersDialog::numbersFor(const QString& stableName) {
    auto* numbers = new QComboBox(table_);
    numbers->addItem(catalogue(*language_, NoNumber));
    for (int n = 1; n <= PortCount; ++n) {
        const QString holder = resolver_.deviceFor(n);
        numbers->addItem(holder.isEmpty() || holder == stableName
                             ? portName(n)
                             : portName(n) + QStringLiteral(" (") + readableDeviceName(holder) +
                                   QLatin1Char(')'));
    }
    numbers->setCurrentIndex(resolver_.portOf(stableName));
    return numbers;
}

void AdaptersDialog::assignRow(int row, int portNumber) {
    resolver_.assign(shown_.at(row).stableName, portNumber);
    fill();
    emit assigned(portNumber);
}

// Only a whole path is taken: a name alone would depend on the folder the program started in.
void AdaptersDialog::assignPath(const QString& path, int portNumber) {
    const QString typed = path.trimmed();
    if (typed.isEmpty()) {
        path_->setFocus();
        return;
    }
    // A name alone is one under /dev, as everywhere a device is named.
    const QString device = QDir::cleanPath(
        typed.startsWith(QLatin1Char('/')) ? typed : QStringLiteral("/dev/") + typed);
    resolver_.assign(device, portNumber);
    path_->clear();
    fill();
    emit assigned(portNumber);
}

}  // namespace rotaline
