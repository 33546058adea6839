#include "ui/FinishingDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace rotaline {

FinishingDialog::FinishingDialog(std::function<LineStatus()> line, std::function<void()> quitNow,
                                 const Language& language)
    : line_(std::move(line)),
      quitNow_(std::move(quitNow)),
      language_(&language),
      text_(new QLabel(finishingText(language), this)),
      button_(new QPushButton(quitNowText(language), this)),
      progress_(new QProgressBar(this)) {
    setWindowTitle(QStringLiteral("Rotaline"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    progress_->setRange(0, 100);
    layout->addWidget(progress_);
    layout->addWidget(button_, 0, Qt::AlignRight);
    connect(button_, &QPushButton::clicked, this, &QDialog::close);
    connect(&timer_, &QTimer::timeout, this, [this] { progress_->setValue(line_().percent); });
    timer_.start(100);
    progress_->setValue(line_().percent);
}

void FinishingDialog::finished() {
    if (!std::exchange(finished_, true)) {
        close();
    }
}

// Bytes that never left are the user's to know before the program ends.
void FinishingDialog::failed(const QString& why) {
    finished_ = true;
    timer_.stop();
    progress_->hide();
    text_->setText(why);
    button_->setText(closeText(*language_));
}

// Closing before the line is idle is the user's "Quit now": what is left is given up.
void FinishingDialog::closeEvent(QCloseEvent* event) {
    timer_.stop();
    if (!finished_ && quitNow_) {
        quitNow_();
    }
    event->accept();
}

}  // namespace rotaline
