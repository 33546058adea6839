#include "ui/AdaptersDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/DevicePath.h"
#include "platform/Printable.h"
#include "platform/SerialDevices.h"
#include "version.h"
#include "window/port/AdapterAdvice.h"
#include "window/port/AdapterReport.h"
#include "window/port/PortHelp.h"
#include "window/texts/Texts.h"

namespace rotaline {

namespace {

constexpr TextContext catalogue{"AdaptersDialog"};

constexpr const char* Title = QT_TRANSLATE_NOOP("AdaptersDialog", "Serial adapters");
constexpr const char* Explanation = QT_TRANSLATE_NOOP(
    "AdaptersDialog",
    "Give your programming adapter a COM number. It keeps it when it is plugged in again.");
constexpr const char* AssignedByHand = QT_TRANSLATE_NOOP("AdaptersDialog", "assigned by hand");
constexpr const char* NotPresent = QT_TRANSLATE_NOOP("AdaptersDialog", "assigned, not present");
constexpr const char* PathLabel = QT_TRANSLATE_NOOP("AdaptersDialog", "Device path:");
constexpr const char* AssignPath = QT_TRANSLATE_NOOP("AdaptersDialog", "Assign");
constexpr const char* NoNumber = QT_TRANSLATE_NOOP("AdaptersDialog", "none");
constexpr const char* Replace =
    QT_TRANSLATE_NOOP("AdaptersDialog", "%1 is given to %2. Give it to %3 instead?");
constexpr std::array<const char*, 5> Headers{{QT_TRANSLATE_NOOP("AdaptersDialog", "COM port"),
                                              QT_TRANSLATE_NOOP("AdaptersDialog", "Adapter"),
                                              QT_TRANSLATE_NOOP("AdaptersDialog", "State"),
                                              QT_TRANSLATE_NOOP("AdaptersDialog", "Device"),
                                              QT_TRANSLATE_NOOP("AdaptersDialog", "Stable name")}};

// What the system shows and the user can tell apart; a change of it fills the table again.
QStringList shownOf(const AdapterSurvey& survey) {
    QStringList shown{QString::number(static_cast<int>(survey.standing))};
    for (const AdapterFinding& f : survey.findings) {
        shown << QStringList{f.device, f.stableName, f.identity,
                             QString::number(static_cast<int>(f.cause)), f.detail}
                     .join(QLatin1Char('|'));
    }
    return shown;
}

}  // namespace

AdaptersDialog::AdaptersDialog(PortResolver& resolver, Survey survey, const Language& language,
                               QWidget* parent)
    : QDialog(parent),
      resolver_(resolver),
      survey_(std::move(survey)),
      language_(&language),
      table_(new QTableWidget(this)),
      empty_(new QLabel(this)),
      refusal_(new QLabel(this)) {
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
    // What the system says of a device is shown as it is, never as markup.
    empty_->setTextFormat(Qt::PlainText);
    empty_->setWordWrap(true);
    layout->addWidget(empty_);
    layout->addWidget(buildPathRow());
    refusal_->setTextFormat(Qt::PlainText);
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
    auto* label = new QLabel(catalogue(*language_, PathLabel), row);
    path_ = new QLineEdit(row);
    path_->setPlaceholderText(exampleDevice());
    label->setBuddy(path_);
    pathNumber_ = new QComboBox(row);
    for (int n = 1; n <= PortCount; ++n) {
        pathNumber_->addItem(portName(n));
    }
    auto* assign = new QPushButton(catalogue(*language_, AssignPath), row);
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

// Any change in /dev calls this: the table is built again only when what it shows changed, so
// that a list held open stays open. Under it: each problem with its fix, and, when no problem
// says it already, whether this user may open adapters.
void AdaptersDialog::refresh() {
    const AdapterSurvey survey = survey_();
    const QStringList shown = shownOf(survey);
    if (filled_ && shown == surveyed_) {
        return;
    }
    filled_ = true;
    surveyed_ = shown;
    present_.clear();
    QStringList why;
    bool deviceTrouble = false;
    for (const AdapterFinding& finding : survey.findings) {
        if (!finding.device.isEmpty()) {
            present_ << finding;
        }
        if (!finding.usable()) {
            why << adapterCause(finding, *language_) + sentenceJoint(*language_) +
                       adapterFix(finding, *language_);
            deviceTrouble = deviceTrouble || !finding.device.isEmpty();
        }
    }
    const bool noneUsable = std::none_of(present_.begin(), present_.end(),
                                         [](const AdapterFinding& f) { return f.usableAdapter(); });
    const bool outsideGroup = survey.standing == GroupStanding::NotMember ||
                              survey.standing == GroupStanding::NotYetInSession;
    const QString standing = standingText(survey.standing, *language_);
    if (!standing.isEmpty() &&
        ((noneUsable && !deviceTrouble) || (why.isEmpty() && outsideGroup))) {
        why << standing;
    }
    std::transform(why.begin(), why.end(), why.begin(), printable);
    empty_->setText(why.join(QLatin1Char('\n')));
    empty_->setVisible(!why.isEmpty());
    fill();
}

// The devices present, then every device assigned that is not among them.
void AdaptersDialog::fill() {
    shown_ = present_;
    QStringList notes(shown_.size());
    for (const AdapterFinding& assigned : assignedElsewhere(
             present_, resolver_, [](const QString& device) { return judgeAssigned(device); })) {
        shown_ << assigned;
        notes << catalogue(*language_,
                           assigned.cause == AdapterCause::Absent ? NotPresent : AssignedByHand);
    }
    table_->setRowCount(static_cast<int>(shown_.size()));
    for (int row = 0; row < shown_.size(); ++row) {
        const AdapterFinding& device = shown_[row];
        QComboBox* numbers = numbersFor(device.stableName);
        connect(numbers, &QComboBox::activated, this,
                [this, row](int portNumber) { assignRow(row, portNumber); });
        table_->setCellWidget(row, 0, numbers);
        const QString identity = device.identity.isEmpty() ? notes[row] : device.identity;
        // The chip as the table names it, then what the device says of itself.
        table_->setItem(row, 1,
                        new QTableWidgetItem(
                            printable(device.chip.isEmpty() || identity.isEmpty()
                                          ? device.chip + identity
                                          : device.chip + QStringLiteral(" \u2014 ") + identity)));
        table_->setItem(row, 2, stateOf(device));
        table_->setItem(row, 3, new QTableWidgetItem(printable(device.device)));
        table_->setItem(row, 4,
                        new QTableWidgetItem(printable(readableDeviceName(device.stableName))));
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

// A number another device holds is taken from it only when the user says so; the system's own
// port of the number, chosen in the port list, gives way without asking.
bool AdaptersDialog::mayGive(int portNumber, const QString& device) {
    const QString holder = portNumber > 0 ? resolver_.deviceFor(portNumber) : QString();
    if (holder.isEmpty() || holder == device || resolver_.isOwnPort(portNumber)) {
        return true;
    }
    const QString question = catalogue(*language_, Replace)
                                 .arg(portName(portNumber), printable(readableDeviceName(holder)),
                                      printable(readableDeviceName(device)));
    QMessageBox box(QMessageBox::Question, QLatin1String(ApplicationTitle), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

// Why the port would refuse `device`, in the words it would use; "" when it would try it.
QString AdaptersDialog::refusalOf(const QString& device, int portNumber) const {
    const QString path = devicePath(device);
    LinkOutcome outcome = LinkOutcome::failure(QString(), PortProblem::None);
    outcome.device = path;
    if (!isDeviceName(device)) {
        outcome.problem = PortProblem::NotSerial;
    } else if (!deviceExists(path)) {
        outcome.problem = PortProblem::Absent;
    } else if (!isSerialLine(path)) {
        outcome.problem = PortProblem::NotSerial;
    } else {
        return {};
    }
    return portTrouble(outcome, portNumber, *language_);
}

// Ready or why not; the tooltip says what to do.
QTableWidgetItem* AdaptersDialog::stateOf(const AdapterFinding& finding) const {
    QString state = adapterCause(finding, *language_);
    if (finding.namedBySocket()) {
        state += sentenceJoint(*language_) + socketNote(*language_);
    }
    auto* item = new QTableWidgetItem(printable(state));
    const QString tip =
        printable(state) + QLatin1Char('\n') + printable(adapterFix(finding, *language_));
    item->setToolTip(Qt::convertFromPlainText(tip.trimmed(), Qt::WhiteSpaceNormal));
    return item;
}

// "none", then COM1 … COM16; a number another device holds names that device, unless it is the
// system's own port of that number.
QComboBox* AdaptersDialog::numbersFor(const QString& stableName) {
    auto* numbers = new QComboBox(table_);
    numbers->addItem(catalogue(*language_, NoNumber));
    for (int n = 1; n <= PortCount; ++n) {
        const QString holder = resolver_.deviceFor(n);
        numbers->addItem(holder.isEmpty() || holder == stableName || resolver_.isOwnPort(n)
                             ? portName(n)
                             : portName(n) + QStringLiteral(" (") +
                                   printable(readableDeviceName(holder)) + QLatin1Char(')'));
    }
    numbers->setCurrentIndex(resolver_.portOf(stableName));
    return numbers;
}

void AdaptersDialog::assignRow(int row, int portNumber) {
    const QString device = shown_.at(row).stableName;
    if (mayGive(portNumber, device)) {
        const int previous = resolver_.portOf(device);
        resolver_.assign(device, portNumber);
        emit assigned(portNumber, previous);
    }
    fill();
}

// A name is taken as the system's device check takes it, as the command-line programmer does:
// never as a file of the folder the program started in.
void AdaptersDialog::assignPath(const QString& path, int portNumber) {
    const QString typed = path.trimmed();
    if (typed.isEmpty()) {
        path_->setFocus();
        return;
    }
    const QString device = typedDevice(typed);
    const QString refusal = refusalOf(device, portNumber);
    refusal_->setText(refusal);
    refusal_->setVisible(!refusal.isEmpty());
    if (!refusal.isEmpty() || !mayGive(portNumber, device)) {
        path_->setFocus();
        return;
    }
    const int previous = resolver_.portOf(device);
    resolver_.assign(device, portNumber);
    path_->clear();
    fill();
    emit assigned(portNumber, previous);
}

}  // namespace rotaline
