#pragma once

#include <QLabel>

namespace rotaline {

// The status bar's text on one line: cut with "…" where the window is too narrow for it, the
// whole text in its tooltip, and heard whole by a screen reader, which is told of each change.
class StatusText : public QLabel {
    Q_OBJECT
public:
    explicit StatusText(QWidget* parent = nullptr);
    void setWholeText(const QString& text);
    const QString& wholeText() const { return whole_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fit();

    QString whole_;
    bool unfitted_ = false;
};

}  // namespace rotaline
