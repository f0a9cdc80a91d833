#pragma once
// Copies a control of the window model into its widget. Each Show() touches
// only what differs from the model, so a redraw that changes nothing repaints
// nothing, and none of them emits a signal that stands for a user's action
// (activated, clicked, toggled, valueCommitted).
#include <QPalette>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/window/controls.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tavu::ui {

class Dial;
class Led;
class LedBar;
class LinearMeter;
class MultiColorBar;
class NumericSpin;
class RoundMeter;
class Thermometer;
class ToggleSwitch;
class ValueIndicator;
class VerticalSlider;

// Gives a widget its window name, as its object name and its accessible
// description.
template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  widget->setAccessibleDescription(name);
  return widget;
}

// The model value at one of a slider's `steps` positions.
double SliderValue(const window::Slider& slider, int position);

// Group boxes hold their controls close, so the tabs fit under the dashboard.
template <typename Layout>
Layout* Compact(Layout* layout) {
  layout->setContentsMargins(4, 0, 4, 4);
  layout->setSpacing(2);
  return layout;
}

void ShowState(QWidget* widget, const window::Control& control);  // visible, enabled
void ShowColor(QWidget* widget, QPalette::ColorRole role, const Rgb& color);
// Text colours: the style's own while the model holds the window's usual ones
// (`usual`), so that a disabled widget still greys; the model's otherwise.
void ShowTextColors(QWidget* widget, std::initializer_list<std::pair<QPalette::ColorRole, Rgb>> colors, bool usual);
void ShowAccessibleName(QWidget* widget, const QString& name);
// A plain text on a label that is no control of its own (a dial's name, a
// slider's reading).
void ShowText(QLabel* label, const QString& text);

// A label with a buddy also names the buddy for assistive technology.
void Show(QLabel* label, const window::Label& model);
void Show(QGroupBox* group, const window::Panel& model);
void Show(QComboBox* list, const window::Choice& model);
// Check boxes and radio buttons. A radio button in an exclusive group may be
// cleared too, so the group shows none checked when the model says so.
void ShowChecked(QAbstractButton* button, bool checked);
void Show(QAbstractButton* button, const window::CheckBox& model);
void Show(QPushButton* button, const window::Button& model);
// The error strip: a label filled with the strip's colour.
void Show(QLabel* strip, const window::Strip& model);
void Show(QLineEdit* box, const window::TextBox& model);
// `shown` keeps the lines the memo holds, so equal lines cost no comparison
// of the document.
void Show(QPlainTextEdit* memo, const window::Memo& model, window::Memo& shown);

void Show(Led* led, const window::Lamp& model);
void Show(ToggleSwitch* toggle, const window::Toggle& model);
void Show(LedBar* bar, const window::Gauge& model);
void Show(MultiColorBar* bar, const window::Gauge& model);
void Show(LinearMeter* meter, const window::Gauge& model);
void Show(RoundMeter* meter, const window::Gauge& model);
void Show(Thermometer* thermometer, const window::Gauge& model);
void Show(ValueIndicator* indicator, const window::Gauge& model);
// A dial's accessible name joins its two signal names.
void Show(Dial* dial, const window::Dial& model);
void Show(VerticalSlider* slider, const window::Slider& model);
void Show(NumericSpin* spin, const window::Spin& model);

// User actions. Each writes the widget's new state into its model control, then
// runs `act` (the control's handler and a redraw).
using Action = std::function<void()>;
void OnChosen(QComboBox* list, window::Choice& model, Action act);
void OnClicked(QAbstractButton* button, window::CheckBox& model, Action act);
// A dial follows the user into the model while it turns; `act` runs on release.
void OnReleased(Dial* dial, window::Dial& model, Action act);
void OnReleased(VerticalSlider* slider, window::Slider& model, Action act);
void OnStepped(NumericSpin* spin, window::Spin& model, Action act);

}  // namespace tavu::ui
