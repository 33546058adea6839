#include "ui/HistoryDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "model/SettingsFileCodec.h"
#include "model/SlotTable.h"
#include "platform/Dialogs.h"
#include "platform/Printable.h"
#include "platform/RegularFiles.h"
#include "window/form/MainForm.h"
#include "window/texts/SystemReasons.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"HistoryDialog"};

constexpr const char* Title = QT_TRANSLATE_NOOP("HistoryDialog", "History");
constexpr std::array<const char*, 7> Headers{
    {QT_TRANSLATE_NOOP("HistoryDialog", "When"), QT_TRANSLATE_NOOP("HistoryDialog", "COM port"),
     QT_TRANSLATE_NOOP("HistoryDialog", "Adapter"), QT_TRANSLATE_NOOP("HistoryDialog", "Type"),
     QT_TRANSLATE_NOOP("HistoryDialog", "Model"), QT_TRANSLATE_NOOP("HistoryDialog", "Changed"),
     QT_TRANSLATE_NOOP("HistoryDialog", "Sent in full")}};
constexpr int AdapterColumn = 2;
// What the "Sent in full" column says of each delivery.
const char* deliveryText(Delivery delivery) {
    switch (delivery) {
        case Delivery::InFull:
            return QT_TRANSLATE_NOOP("HistoryDialog", "yes");
        case Delivery::NotInFull:
            return QT_TRANSLATE_NOOP("HistoryDialog", "no");
        default:
            return QT_TRANSLATE_NOOP("HistoryDialog", "not confirmed");
    }
}
constexpr const char* ListName = QT_TRANSLATE_NOOP("HistoryDialog", "Records, newest first");
constexpr const char* DetailsName = QT_TRANSLATE_NOOP("HistoryDialog", "Settings of the record");
constexpr const char* Empty =
    QT_TRANSLATE_NOOP("HistoryDialog", "Nothing has been sent to a controller yet.");
constexpr const char* NotRead =
    QT_TRANSLATE_NOOP("HistoryDialog", "The journal %1 cannot be read: %2");
constexpr const char* Cut = QT_TRANSLATE_NOOP(
    "HistoryDialog", "%1 is larger than the journal grows: only its newest records are shown.");
constexpr const char* Unreadable =
    QT_TRANSLATE_NOOP("HistoryDialog", "This record cannot be shown.");
constexpr const char* Compare = QT_TRANSLATE_NOOP("HistoryDialog", "&Compare with window");
constexpr const char* Load = QT_TRANSLATE_NOOP("HistoryDialog", "&Load into window");
constexpr const char* Save = QT_TRANSLATE_NOOP("HistoryDialog", "&Save as settings file...");
constexpr const char* Alike =
    QT_TRANSLATE_NOOP("HistoryDialog", "The window holds the same settings.");
constexpr const char* SaveFailed =
    QT_TRANSLATE_NOOP("HistoryDialog", "The settings could not be saved to %1:\r\n%2");
constexpr const char* SaveFilter = "ESC Files(*.esc)|*.esc";

QStringList rowOf(const JournalRecord& record, const std::optional<DescribedBlock>& described,
                  const Language& language) {
    const QString port = record.port.isEmpty() ? QStringLiteral("-") : printable(record.port);
    if (!described) {
        return {printable(record.time), port, printable(record.adapter)};
    }
    return {printable(record.time),
            port,
            printable(record.adapter),
            described->settings.type,
            described->settings.model,
            QString::number(changedFromFactory(*described)),
            catalogue(language, deliveryText(record.delivery))};
}

}  // namespace

HistoryDialog::HistoryDialog(std::vector<JournalRecord> records, MainForm& form, Dialogs& dialogs,
                             QWidget* parent)
    : QDialog(parent),
      records_(std::move(records)),
      form_(form),
      dialogs_(dialogs),
      language_(form.flags().language),
      trouble_(new QLabel(this)),
      list_(new QTreeWidget(this)),
      details_(new QPlainTextEdit(this)) {
    setWindowTitle(catalogue(*language_, Title));
    QStringList headers;
    for (const char* header : Headers) {
        headers << catalogue(*language_, header);
    }
    list_->setHeaderLabels(headers);
    list_->setRootIsDecorated(false);
    list_->setAccessibleName(catalogue(*language_, ListName));
    // The adapter's long stable name gives way, shortened in the middle, so that the columns
    // after it stay in sight.
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(AdapterColumn, QHeaderView::Stretch);
    list_->header()->setStretchLastSection(false);
    list_->setTextElideMode(Qt::ElideMiddle);
    for (const JournalRecord& record : records_) {
        described_.push_back(describeBlock(record.block, *language_));
        auto* row = new QTreeWidgetItem(rowOf(record, described_.back(), *language_));
        row->setToolTip(AdapterColumn, row->text(AdapterColumn));
        list_->addTopLevelItem(row);
    }
    details_->setReadOnly(true);
    details_->setAccessibleName(catalogue(*language_, DetailsName));
    details_->setPlainText(records_.empty() ? catalogue(*language_, Empty) : QString());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const std::array<std::pair<const char*, void (HistoryDialog::*)()>, 3> commands{
        {{Compare, &HistoryDialog::compareWithWindow},
         {Load, &HistoryDialog::loadIntoWindow},
         {Save, &HistoryDialog::saveAsFile}}};
    for (const auto& [text, command] : commands) {
        QPushButton* button =
            buttons->addButton(catalogue(*language_, text), QDialogButtonBox::ActionRole);
        button->setAutoDefault(false);
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, command);
        actions_ << button;
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::currentItemChanged, this, &HistoryDialog::showSelected);
    trouble_->setTextFormat(Qt::PlainText);
    trouble_->setWordWrap(true);
    trouble_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(trouble_);
    layout->addWidget(list_, 3);
    layout->addWidget(details_, 2);
    layout->addWidget(buttons);
    resize(820, 560);
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
}

void HistoryDialog::showTrouble(const LogTrouble& trouble) {
    QStringList said;
    if (!trouble.unreadFile.isEmpty()) {
        said << filled(catalogue(*language_, NotRead),
                       {shownPath(trouble.unreadFile), reasonIn(trouble.reason, *language_)});
        if (records_.empty()) {
            details_->clear();  // nothing was read, which is not nothing sent
        }
    }
    if (!trouble.cutFile.isEmpty()) {
        said << filled(catalogue(*language_, Cut), {shownPath(trouble.cutFile)});
    }
    trouble_->setText(said.join(QLatin1Char('\n')));
    trouble_->setVisible(!said.isEmpty());
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
                                         : catalogue(*language_, Unreadable));
    }
}

void HistoryDialog::compareWithWindow() {
    const std::optional<DescribedBlock> window = describeBlock(form_.block(), *language_);
    const std::optional<DescribedBlock>& record = described_[list_->currentIndex().row()];
    if (!window || !record) {
        return;
    }
    const QStringList lines = differences(record->settings, window->settings, *language_);
    details_->setPlainText(lines.isEmpty() ? catalogue(*language_, Alike) : lines.join('\n'));
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
        dialogs_.message(filled(catalogue(*language_, SaveFailed),
                                {shownPath(path), reasonIn(error, *language_)}),
                         Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
}

}  // namespace rotaline
