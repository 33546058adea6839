#pragma once

#include <QWidget>
#include <functional>

#include "window/controls/Control.h"

class QComboBox;
class QPlainTextEdit;
class QRadioButton;
class QScrollBar;

namespace rotaline {

class ComboList;
class OptionGroup;
class ScrollBar;
class TextBox;

// Runs `show` on every change of the control for as long as `view` exists.
void watch(Control& control, QObject* view, std::function<void(Property)> show);

// What a screen reader calls the widget and says of it, as the control gives them.
void showAccessible(const Control& control, QWidget* widget);

// Each keeps a widget in step with its control and hands the user's changes to the control.
// Programmatic updates of a widget never echo back into the control.
void bindCaptionedWidget(Control& control, QWidget* widget);
void bindComboList(ComboList& list, QComboBox* box);
void bindScrollBar(ScrollBar& bar, QScrollBar* widget);
void bindTextBox(TextBox& box, QPlainTextEdit* widget);
void bindOptionButton(OptionGroup& group, int index, QRadioButton* button);

}  // namespace rotaline
