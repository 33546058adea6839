#include "ui/AboutDialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "about/SystemInformation.h"
#include "model/FixedTexts.h"
#include "ui/PictureIcon.h"

namespace rotaline {

QPointer<AboutDialog> AboutDialog::shown_;

namespace {

QLabel* label(const QString& name, const QString& text, QWidget* parent) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(name);
    shown->setWordWrap(true);
    return shown;
}

QFrame* line(QWidget* parent) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

}  // namespace

AboutDialog::AboutDialog(std::function<void()> startSystemInformation) : QDialog(nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(aboutCaption());
    setWindowIcon(pictureIcon(QStringLiteral("rotaline")));
    auto* layout = new QVBoxLayout(this);
    QLabel* title = label(QStringLiteral("lblTitle"), QString::fromUtf8(fixed::AboutTitle), this);
    QFont large = title->font();
    large.setPointSize(large.pointSize() + 4);
    large.setBold(true);
    title->setFont(large);
    layout->addWidget(title);
    layout->addWidget(label(QStringLiteral("lblVersion"), aboutVersion(), this));
    layout->addWidget(
        label(QStringLiteral("lblDescription"), QString::fromUtf8(fixed::AboutDescription), this));
    layout->addWidget(line(this));
    layout->addWidget(
        label(QStringLiteral("Label1"), QString::fromUtf8(fixed::AboutDesigner), this));
    layout->addWidget(
        label(QStringLiteral("lblDisclaimer"), QString::fromUtf8(fixed::AboutDisclaimer), this));
    layout->addWidget(line(this));
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* systemInformation =
        new QPushButton(QString::fromUtf8(fixed::AboutSystemInformation), this);
    systemInformation->setObjectName(QStringLiteral("cmdSysInfo"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(systemInformation);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(systemInformation, &QPushButton::clicked, this,
            [start = std::move(startSystemInformation)] { start(); });
    setFixedWidth(380);
}

AboutDialog* AboutDialog::showOnce(std::function<void()> startSystemInformation) {
    if (shown_.isNull()) {
        shown_ = new AboutDialog(std::move(startSystemInformation));
    }
    shown_->show();
    shown_->raise();
    shown_->activateWindow();
    return shown_;
}

}  // namespace rotaline
