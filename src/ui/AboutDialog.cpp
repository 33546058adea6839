#include "ui/AboutDialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "about/SystemInformation.h"
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
    QLabel* title =
        label(QStringLiteral("lblTitle"), QStringLiteral("无刷马达电子调速器设置软件"), this);
    QFont large = title->font();
    large.setPointSize(large.pointSize() + 4);
    large.setBold(true);
    title->setFont(large);
    layout->addWidget(title);
    layout->addWidget(label(QStringLiteral("lblVersion"), aboutVersion(), this));
    layout->addWidget(
        label(QStringLiteral("lblDescription"),
              QStringLiteral("    本软件是专为本公司生产的普通飞机、直升飞机、船、车用系列无刷"
                             "马达电子调速成器的电脑设置用"),
              this));
    layout->addWidget(line(this));
    layout->addWidget(
        label(QStringLiteral("Label1"), QStringLiteral("设计人：Rotaline 开发组"), this));
    layout->addWidget(label(QStringLiteral("lblDisclaimer"),
                            QStringLiteral("本软件按现状提供，使用前请确认调速器型号与设置。"),
                            this));
    layout->addWidget(line(this));
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* systemInformation = new QPushButton(QStringLiteral("系统信息(&S)..."), this);
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
