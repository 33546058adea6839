#pragma once

#include <QPalette>

// A dark desktop palette as dark themes set it: light text on dark windows, buttons and fields.
inline QPalette darkPalette() {
    const QColor window(48, 48, 48);
    const QColor field(32, 32, 32);
    const QColor text(230, 230, 230);
    QPalette palette(text, window);
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) {
        palette.setColor(role, window);
    }
    for (QPalette::ColorRole role :
         {QPalette::Base, QPalette::AlternateBase, QPalette::ToolTipBase}) {
        palette.setColor(role, field);
    }
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
          QPalette::BrightText, QPalette::HighlightedText}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return palette;
}
