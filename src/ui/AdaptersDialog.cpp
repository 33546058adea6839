#include "ui/AdaptersDialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr Bilingual Title{"Serial adapters", "串口适配器"};
constexpr Bilingual Explanation{
    "Give your programming adapter a COM number. It keeps it when it is plugged in again.",
    "为编程适配器指定一个 COM 口号。重新插上后仍然保持。"};
constexpr Bilingual NoDevice{"No serial device is present.", "没有串口设备。"};
constexpr Bilingual NoNumber{"none", "无"};
constexpr std::array<Bilingual, 4> Headers{{{"COM port", "COM口"},
                                            {"Adapter", "适配器"},
                                            {"Device", "设备"},
                                            {"Stable name", "固定名称"}}};

}  // namespace

AdaptersDialog::AdaptersDialog(PortResolver& resolver, Devices devices, bool chinese,
                               QWidget* parent)
    : QDialog(parent),
      resolver_(resolver),
      devices_(std::move(devices)),
      chinese_(chinese),
      table_(new QTableWidget(this)) {
    setWindowTitle(Title.in(chinese));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Explanation.in(chinese), this));
    table_->setColumnCount(static_cast<int>(Headers.size()));
    QStringList headers;
    for (const Bilingual& header : Headers) {
        headers << header.in(chinese);
    }
    table_->setHorizontalHeaderLabels(headers);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(table_);
    resize(720, 240);
    connect(&timer_, &QTimer::timeout, this, &AdaptersDialog::refresh);
    timer_.start(1000);
    refresh();
}

void AdaptersDialog::refresh() {
    QList<SerialDevice> present = devices_();
    if (present != shown_ || table_->rowCount() == 0) {
        shown_ = std::move(present);
        fill();
    }
}

void AdaptersDialog::fill() {
    table_->setRowCount(std::max<int>(1, static_cast<int>(shown_.size())));
    if (shown_.isEmpty()) {
        table_->setCellWidget(0, 0, nullptr);
        table_->setItem(0, 1, new QTableWidgetItem(NoDevice.in(chinese_)));
        return;
    }
    for (int row = 0; row < shown_.size(); ++row) {
        const SerialDevice& device = shown_[row];
        auto* numbers = new QComboBox(table_);
        numbers->addItem(NoNumber.in(chinese_));
        for (int n = 1; n <= PortCount; ++n) {
            numbers->addItem(portName(n));
        }
        numbers->setCurrentIndex(resolver_.portOf(device.stableName));
        connect(numbers, &QComboBox::activated, this,
                [this, row](int portNumber) { assignRow(row, portNumber); });
        table_->setCellWidget(row, 0, numbers);
        table_->setItem(row, 1, new QTableWidgetItem(device.identity));
        table_->setItem(row, 2, new QTableWidgetItem(device.path));
        table_->setItem(row, 3, new QTableWidgetItem(QFileInfo(device.stableName).fileName()));
    }
    table_->resizeColumnsToContents();
}

void AdaptersDialog::assignRow(int row, int portNumber) {
    resolver_.assign(shown_.at(row).stableName, portNumber);
    fill();
    emit assigned(portNumber);
}

}  // namespace rotaline
