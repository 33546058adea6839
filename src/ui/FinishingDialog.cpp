#include "ui/FinishingDialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace rotaline {

FinishingDialog::FinishingDialog(std::function<LineStatus()> line, std::function<void()> quitNow,
                                 const Language& language)
    : line_(std::move(line)), quitNow_(std::move(quitNow)), progress_(new QProgressBar(this)) {
    setWindowTitle(QStringLiteral("Rotaline"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(finishingText(language), this));
    progress_->setRange(0, 100);
    layout->addWidget(progress_);
    auto* quit = new QPushButton(quitNowText(language), this);
    layout->addWidget(quit, 0, Qt::AlignRight);
    connect(quit, &QPushButton::clicked, this, &QDialog::close);
    connect(&timer_, &QTimer::timeout, this, [this] { progress_->setValue(line_().percent); });
    timer_.start(100);
    progress_->setValue(line_().percent);
}

void FinishingDialog::finished() {
    finished_ = true;
    close();
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
