#include "ui/AdaptersDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/SerialDevices.h"
#include "version.h"
#include "window/PortHelp.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr Bilingual Title{"Serial adapters", "串口适配器"};
constexpr Bilingual Explanation{
    "Give your programming adapter a COM number. It keeps it when it is plugged in again.",
    "为编程适配器指定一个 COM 口号。重新插上后仍然保持。"};
constexpr Bilingual NothingPresent{
    "No USB serial adapter is plugged in. Rotaline lists the serial devices the system "
    "reports in /sys/class/tty; an adapter appears here as soon as it is plugged in (as "
    "/dev/ttyUSB… or /dev/ttyACM…).",
    "没有插上 USB 串口适配器。Rotaline 列出系统在 /sys/class/tty 中报告的串口设备；"
    "适配器一插上就会出现在这里（名为 /dev/ttyUSB… 或 /dev/ttyACM…）。"};
constexpr Bilingual PermissionGranted{
    "Your user is in the group \"dialout\", so it may open any serial adapter.",
    "您的用户属于 \"dialout\" 组，可以打开任何串口适配器。"};
constexpr Bilingual PermissionMissing{
    "Installed from its package, Rotaline lets the user at the desktop open CH340, CH341, "
    "CP210x, FT232R and PL2303 adapters. Other devices need the group \"dialout\", which your "
    "user is not in: run \"sudo adduser $USER dialout\", then log in again.",
    "从软件包安装后，Rotaline 允许桌面用户打开 CH340、CH341、CP210x、FT232R 和 PL2303 适配器。"
    "其他设备需要 \"dialout\" 组的权限，您的用户不属于该组：请运行 "
    "\"sudo adduser $USER dialout\"，然后重新登录。"};
constexpr Bilingual AssignedByHand{"assigned by hand", "手动指定"};
constexpr Bilingual NotPresent{"assigned, not present", "已指定，不存在"};
constexpr Bilingual PathLabel{"Device path:", "设备路径："};
constexpr Bilingual AssignPath{"Assign", "指定"};
constexpr Bilingual NoNumber{"none", "无"};
constexpr Bilingual Replace{"%1 is given to %2. Give it to %3 instead?",
                            "%1 已指定给 %2。改为指定给 %3 吗？"};
constexpr std::array<Bilingual, 4> Headers{{{"COM port", "COM口"},
                                            {"Adapter", "适配器"},
                                            {"Device", "设备"},
                                            {"Stable name", "固定名称"}}};

bool listed(const QList<SerialDevice>& devices, const QString& name) {
    return std::any_of(devices.begin(), devices.end(), [&name](const SerialDevice& device) {
        return device.stableName == name || device.path == name;
    });
}

}  // namespace

AdaptersDialog::AdaptersDialog(PortResolver& resolver, Devices devices, bool chinese,
                               QWidget* parent)
    : QDialog(parent),
      resolver_(resolver),
      devices_(std::move(devices)),
      chinese_(chinese),
      table_(new QTableWidget(this)),
      empty_(new QLabel(this)),
      refusal_(new QLabel(this)) {
    setWindowTitle(Title.in(chinese));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Explanation.in(chinese), this));
    QStringList headers;
    for (const Bilingual& header : Headers) {
        headers << header.in(chinese);
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
    refusal_->setWordWrap(true);
    refusal_->hide();
    layout->addWidget(refusal_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);  // Enter is the path's
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
    auto* label = new QLabel(PathLabel.in(chinese_), row);
    path_ = new QLineEdit(row);
    path_->setPlaceholderText(QStringLiteral("/dev/ttyUSB0"));
    label->setBuddy(path_);
    pathNumber_ = new QComboBox(row);
    for (int n = 1; n <= PortCount; ++n) {
        pathNumber_->addItem(portName(n));
    }
    auto* assign = new QPushButton(AssignPath.in(chinese_), row);
    assign->setAutoDefault(false);
    const auto assignTyped = [this] { assignPath(path_->text(), pathNumber_->currentIndex() + 1); };
    connect(assign, &QPushButton::clicked, this, assignTyped);
    connect(path_, &QLineEdit::returnPressed, this, assignTyped);
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
        why << NothingPresent.in(chinese_);
    }
    if (noAdapter || !permitted) {
        why << (permitted ? PermissionGranted : PermissionMissing).in(chinese_);
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
            notes << (QFileInfo::exists(device) ? AssignedByHand : NotPresent).in(chinese_);
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
    keepColumnsWide();
}

// Columns only widen, so that an assignment does not make the table jump.
void AdaptersDialog::keepColumnsWide() {
    QList<int> widths;
    for (int column = 0; column < table_->columnCount(); ++column) {
        widths << table_->columnWidth(column);
    }
    table_->resizeColumnsToContents();
    for (int column = 0; column < table_->columnCount(); ++column) {
        table_->setColumnWidth(column, std::max(widths[column], table_->columnWidth(column)));
    }
}

// A number another device holds is taken from it only when the user says so.
bool AdaptersDialog::mayGive(int portNumber, const QString& device) {
    const QString holder = portNumber > 0 ? resolver_.deviceFor(portNumber) : QString();
    if (holder.isEmpty() || holder == device) {
        return true;
    }
    const QString question = Replace.in(chinese_).arg(
        portName(portNumber), readableDeviceName(holder), readableDeviceName(device));
    return QMessageBox::question(this, QLatin1String(ApplicationTitle), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

// Why the port would refuse `device`, in the words it would use; "" when it would try it.
QString AdaptersDialog::refusalOf(const QString& device, int portNumber) const {
    const QString path = devicePath(device);
    LinkOutcome outcome = LinkOutcome::failure(QString(), PortProblem::None);
    outcome.device = path;
    if (!QFileInfo::exists(path)) {
        outcome.problem = PortProblem::Absent;
    } else if (!isSerialLine(path)) {
        outcome.problem = PortProblem::NotSerial;
    } else {
        return {};
    }
    return portTrouble(outcome, portNumber, chinese_);
}

// "none", then COM1 … COM16; a number another device holds names that device.
QComboBox* AdaptersDialog::numbersFor(const QString& stableName) {
    auto* numbers = new QComboBox(table_);
    numbers->addItem(NoNumber.in(chinese_));
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
    const QString device = shown_.at(row).stableName;
    if (mayGive(portNumber, device)) {
        resolver_.assign(device, portNumber);
        emit assigned(portNumber);
    }
    fill();
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
    const QString refusal = refusalOf(device, portNumber);
    refusal_->setText(refusal);
    refusal_->setVisible(!refusal.isEmpty());
    if (!refusal.isEmpty() || !mayGive(portNumber, device)) {
        path_->setFocus();
        return;
    }
    resolver_.assign(device, portNumber);
    path_->clear();
    fill();
    emit assigned(portNumber);
}

}  // namespace rotaline
