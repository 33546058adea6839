#include "ui/ExtensionIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <optional>

namespace rotaline {

namespace {

// The style's own icon, asked for when the icon is first drawn or measured, with the option
// and widget it was asked for with (the widget while it lives).
class StyleIconWhenUsed : public QIconEngine {
public:
    StyleIconWhenUsed(const QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option,
                      const QWidget* widget)
        : style_(style), which_(which), widget_(widget) {
        if (option != nullptr) {
            option_ = *option;  // what every option has: no style may read it as more
            option_->type = QStyleOption::SO_Default;
            option_->version = QStyleOption::Version;
        }
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    // The size its pixmap for `size` has, at one device pixel to a pixel as the engine answers.
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("rotaline-style-icon"); }
    QIconEngine* clone() const override { return new StyleIconWhenUsed(*this); }

private:
    const QIcon& icon() {
        if (!made_) {
            const QStyle* style = style_ != nullptr ? style_.data() : QApplication::style();
            made_ = style->standardIcon(which_, option_ ? &*option_ : nullptr, widget_);
        }
        return *made_;
    }

    QPointer<const QStyle> style_;  // gone once another style replaces it
    QStyle::StandardPixmap which_;
    std::optional<QStyleOption> option_;
    QPointer<const QWidget> widget_;
    std::optional<QIcon> made_;
};

// The desktop's style (or the one the user asked for) in all else.
class ArrowsWhenShown : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton) {
            return QIcon(new StyleIconWhenUsed(baseStyle(), which, option, widget));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void drawExtensionArrowsWhenShown() {
    QApplication::setStyle(new ArrowsWhenShown);
}

}  // namespace rotaline
