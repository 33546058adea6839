#include "ui/HistoryDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "files/RegularFiles.h"
#include "model/SettingsFileCodec.h"
#include "model/SlotTable.h"
#include "platform/Dialogs.h"
#include "window/MainForm.h"
#include "window/Texts.h"

namespace rotaline {

namespace {

constexpr Bilingual Title{"History", "历史记录"};
constexpr std::array<Bilingual, 7> Headers{{{"When", "时间"},
                                            {"COM port", "COM口"},
                                            {"Adapter", "适配器"},
                                            {"Type", "类型"},
                                            {"Model", "型号"},
                                            {"Changed", "已更改"},
                                            {"Sent in full", "全部发送"}}};
constexpr Bilingual Yes{"yes", "是"};
constexpr Bilingual No{"no", "否"};
constexpr Bilingual ListName{"Records, newest first", "记录，最新的在前"};
constexpr Bilingual DetailsName{"Settings of the record", "记录的设置"};
constexpr Bilingual Empty{"Nothing has been sent to a controller yet.",
                          "尚未向控制器发送任何设置。"};
constexpr Bilingual Unreadable{"This record cannot be shown.", "无法显示这条记录。"};
constexpr Bilingual Compare{"&Compare with window", "与窗口比较(&C)"};
constexpr Bilingual Load{"&Load into window", "载入窗口(&L)"};
constexpr Bilingual Save{"&Save as settings file...", "另存为设置文件(&S)..."};
constexpr Bilingual Alike{"The window holds the same settings.", "窗口中的设置与此相同。"};
constexpr Bilingual SaveFailed{"The settings could not be saved to %1:\r\n%2",
                               "设置无法保存到 %1：\r\n%2"};
constexpr const char* SaveFilter = "ESC Files(*.esc)|*.esc";

QStringList rowOf(const JournalRecord& record, const std::optional<DescribedBlock>& described,
                  bool chinese) {
    const QString port = record.port.isEmpty() ? QStringLiteral("-") : record.port;
    if (!described) {
        return {record.time, port, record.adapter};
    }
    return {record.time,
            port,
            record.adapter,
            described->settings.type,
            described->settings.model,
            QString::number(changedFromFactory(*described)),
            (record.complete ? Yes : No).in(chinese)};
}

}  // namespace

HistoryDialog::HistoryDialog(std::vector<JournalRecord> records, MainForm& form, Dialogs& dialogs,
                             QWidget* parent)
    : QDialog(parent),
      records_(std::move(records)),
      form_(form),
      dialogs_(dialogs),
      chinese_(form.flags().chinese),
      list_(new QTreeWidget(this)),
      details_(new QPlainTextEdit(this)) {
    setWindowTitle(Title.in(chinese_));
    QStringList headers;
    for (const Bilingual& header : Headers) {
        headers << header.in(chinese_);
    }
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    list_->setAccessibleName(ListName.in(chinese_));
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const JournalRecord& record : records_) {
        described_.push_back(describeBlock(record.block, chinese_));
        list_->addTopLevelItem(new QTreeWidgetItem(rowOf(record, described_.back(), chinese_)));
    }
    details_->setReadOnly(true);
    details_->setAccessibleName(DetailsName.in(chinese_));
    details_->setPlainText(records_.empty() ? Empty.in(chinese_) : QString());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const std::array<std::pair<Bilingual, void (HistoryDialog::*)()>, 3> commands{
        {{Compare, &HistoryDialog::compareWithWindow},
         {Load, &HistoryDialog::loadIntoWindow},
         {Save, &HistoryDialog::saveAsFile}}};
    for (const auto& [text, command] : commands) {
        QPushButton* button = buttons->addButton(text.in(chinese_), QDialogButtonBox::ActionRole);
        button->setAutoDefault(false);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, command);
        actions_ << button;
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::currentItemChanged, this, &HistoryDialog::showSelected);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 3);
    layout->addWidget(details_, 2);
    layout->addWidget(buttons);
    resize(820, 560);
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
}

const JournalRecord* HistoryDialog::selected() const {
    const int row = list_->currentIndex().row();
    return row >= 0 && row < static_cast<int>(records_.size()) ? &records_[row] : nullptr;
}

void HistoryDialog::showSelected() {
    const JournalRecord* record = selected();
    const bool loadable = record != nullptr && described_[list_->currentIndex().row()];
    for (QPushButton* button : actions_) {
        button->setEnabled(loadable);
    }
    if (record != nullptr) {
        const std::optional<DescribedBlock>& described = described_[list_->currentIndex().row()];
        details_->setPlainText(described ? describedLines(described->settings).join('\n')
                                         : Unreadable.in(chinese_));
    }
}

void HistoryDialog::compareWithWindow() {
    const std::optional<DescribedBlock> window = describeBlock(form_.block(), chinese_);
    const std::optional<DescribedBlock>& record = described_[list_->currentIndex().row()];
    if (!window || !record) {
        return;
    }
    const QStringList lines = differences(record->settings, window->settings, chinese_);
    details_->setPlainText(lines.isEmpty() ? Alike.in(chinese_) : lines.join('\n'));
}

// As a file load, on the port the window has chosen now.
void HistoryDialog::loadIntoWindow() {
    ParameterBlock block = selected()->block;
    block.value[PortSlot] =
        static_cast<std::uint8_t>(std::max(0, form_.controls().ComboCOM->listIndex()));
    accept();
    form_.LoadParameterBlock(block);
}

void HistoryDialog::saveAsFile() {
    const QString path = dialogs_.saveFileName(QLatin1String(SaveFilter), QString());
    if (path.isEmpty()) {
        return;
    }
    const std::optional<std::string> bytes = encodeSettingsFile(selected()->block);
    QString error = QStringLiteral("A value is too large to be saved.");
    if (!bytes || !replaceFileContents(path, QByteArray::fromStdString(*bytes), &error)) {
        dialogs_.message(SaveFailed.in(chinese_).arg(path, error), Dialogs::Icon::None,
                         Dialogs::Buttons::Ok);
    }
}

}  // namespace rotaline
