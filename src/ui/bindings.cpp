#include "ui/bindings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "ui/instruments/dial.h"
#include "ui/instruments/instrument_style.h"
#include "ui/instruments/led.h"
#include "ui/instruments/led_bar.h"
#include "ui/instruments/linear_meter.h"
#include "ui/instruments/multi_color_bar.h"
#include "ui/instruments/numeric_spin.h"
#include "ui/instruments/round_meter.h"
#include "ui/instruments/thermometer.h"
#include "ui/instruments/toggle_switch.h"
#include "ui/instruments/value_indicator.h"
#include "ui/instruments/vertical_slider.h"
#include "ui/qt_convert.h"

namespace tavu::ui {
namespace {

void ShowTitle(QAbstractButton* button, const std::string& caption) {
  const QString text = ToQString(caption);
  if (button->text() != text) button->setText(text);
  // An empty caption leaves the name to the button's label.
  if (!text.isEmpty()) ShowAccessibleName(button, text);
}

// The position of `steps` nearest to the slider's model value.
int SliderPosition(const window::Slider& slider) {
  const double span = slider.maximum - slider.minimum;
  if (span <= 0 || slider.steps <= 0) return 0;
  return static_cast<int>(std::lround((slider.value - slider.minimum) / span * slider.steps));
}

}  // namespace

double SliderValue(const window::Slider& slider, int position) {
  if (slider.steps <= 0) return slider.minimum;
  return slider.minimum + (slider.maximum - slider.minimum) * position / slider.steps;
}

void ShowState(QWidget* widget, const window::Control& control) {
  if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
  // WA_ForceDisabled is the widget's own state, whatever its parents say.
  if (widget->testAttribute(Qt::WA_ForceDisabled) == control.enabled) widget->setEnabled(control.enabled);
}

void ShowColor(QWidget* widget, QPalette::ColorRole role, const Rgb& color) {
  const QColor wanted = ToQColor(color);
  if (widget->palette().color(role) == wanted) return;
  QPalette palette = widget->palette();
  palette.setColor(role, wanted);
  widget->setPalette(palette);
}

void ShowTextColors(QWidget* widget, std::initializer_list<std::pair<QPalette::ColorRole, Rgb>> colors, bool usual) {
  if (usual) {
    if (widget->testAttribute(Qt::WA_SetPalette)) widget->setPalette(QPalette());
    return;
  }
  for (const auto& [role, color] : colors) ShowColor(widget, role, color);
}

void ShowAccessibleName(QWidget* widget, const QString& name) {
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

void ShowText(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
}

void Show(QLabel* label, const window::Label& model) {
  ShowState(label, model);
  const QString text = ToQString(model.caption);
  ShowText(label, text);
  ShowTextColors(label, {{QPalette::WindowText, model.color}}, model.color == colors::kWindowText);
  if (QWidget* buddy = label->buddy()) ShowAccessibleName(buddy, text);
}

void Show(QGroupBox* group, const window::Panel& model) {
  ShowState(group, model);
  const QString title = ToQString(model.caption);
  if (group->title() != title) group->setTitle(title);
  ShowAccessibleName(group, title);
}

void Show(QComboBox* list, const window::Choice& model) {
  ShowState(list, model);
  bool same = list->count() == static_cast<int>(model.items.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->itemText(i) == ToQString(model.items[static_cast<std::size_t>(i)]);
  if (!same) {
    list->clear();
    for (const auto& item : model.items) list->addItem(ToQString(item));
  }
  const int index = model.index < list->count() ? model.index : -1;
  if (list->currentIndex() != index) list->setCurrentIndex(index);
}

void ShowChecked(QAbstractButton* button, bool checked) {
  if (button->isChecked() == checked) return;
  QButtonGroup* group = button->group();
  // An exclusive group keeps its checked button; let go of it for a moment.
  const bool exclusive = group != nullptr && group->exclusive() && !checked;
  if (exclusive) group->setExclusive(false);
  button->setChecked(checked);
  if (exclusive) group->setExclusive(true);
}

void Show(QAbstractButton* button, const window::CheckBox& model) {
  ShowState(button, model);
  ShowTitle(button, model.caption);
  ShowChecked(button, model.checked);
}

void Show(QPushButton* button, const window::Button& model) {
  ShowState(button, model);
  ShowTitle(button, model.caption);
  const QString hint = ToQString(model.hint);
  if (button->toolTip() != hint) button->setToolTip(hint);
}

void Show(QLabel* strip, const window::Strip& model) {
  ShowState(strip, model);
  ShowText(strip, ToQString(model.caption));
  ShowColor(strip, QPalette::Window, model.color);
}

void Show(QLineEdit* box, const window::TextBox& model) {
  ShowState(box, model);
  const QString text = ToQString(model.text);
  if (box->text() != text) box->setText(text);
  if (box->isReadOnly() != model.readOnly) box->setReadOnly(model.readOnly);
  ShowTextColors(box, {{QPalette::Base, model.color}, {QPalette::Text, model.textColor}},
                 model.color == colors::kWindow && model.textColor == colors::kWindowText);
}

void Show(QPlainTextEdit* memo, const window::Memo& model, window::Memo& shown) {
  ShowState(memo, model);
  if (model.lines == shown.lines) return;
  shown.lines = model.lines;
  QStringList lines;
  for (const auto& line : model.lines) lines << ToQString(line);
  memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void Show(Led* led, const window::Lamp& model) {
  ShowState(led, model);
  led->setColors(ToQColor(model.onColor), ToQColor(model.offColor));
  led->setOn(model.on);
  led->setFlashing(model.flashing);
  led->setCaption(ToQString(model.caption));
}

void Show(ToggleSwitch* toggle, const window::Toggle& model) {
  ShowState(toggle, model);
  toggle->setTexts(ToQString(model.offText), ToQString(model.onText));
  toggle->setColors(ToQColor(model.offColor), ToQColor(model.onColor));
  toggle->setOn(model.on);
}

void Show(LedBar* bar, const window::Gauge& model) {
  ShowState(bar, model);
  bar->setRange(model.minimum, model.maximum);
  bar->setDecimals(model.decimals);
  bar->setValue(model.value);
  bar->setCaption(ToQString(model.caption));
  bar->setSecondCaption(ToQString(model.secondCaption));
  bar->setColor(ToQColor(model.onColor));
}

void Show(MultiColorBar* bar, const window::Gauge& model) {
  ShowState(bar, model);
  bar->setRange(model.minimum, model.maximum);
  bar->setValue(model.value);
  bar->setCaption(ToQString(model.caption));
}

void Show(LinearMeter* meter, const window::Gauge& model) {
  ShowState(meter, model);
  meter->setRange(model.minimum, model.maximum);
  meter->setScaleSteps(model.scaleSteps);
  meter->setDecimals(model.decimals);
  meter->setValue(model.value);
  meter->setCaption(ToQString(model.caption));
}

void Show(RoundMeter* meter, const window::Gauge& model) {
  ShowState(meter, model);
  meter->setRange(model.minimum, model.maximum);
  meter->setScaleSteps(model.scaleSteps);
  meter->setDecimals(model.decimals);
  meter->setValue(model.value);
  meter->setUnit(ToQString(model.unit));
  meter->setCaption(ToQString(model.caption));
  meter->setSectorOffset(model.sectorOffset);
  meter->setNeedleShape(model.needleShape);
}

void Show(Thermometer* thermometer, const window::Gauge& model) {
  ShowState(thermometer, model);
  thermometer->setRange(model.minimum, model.maximum);
  thermometer->setScaleSteps(model.scaleSteps);
  thermometer->setDecimals(model.decimals);
  thermometer->setValue(model.value);
  thermometer->setCaption(ToQString(model.caption));
  thermometer->setUnit(ToQString(model.unit));
}

void Show(ValueIndicator* indicator, const window::Gauge& model) {
  ShowState(indicator, model);
  indicator->setDecimals(model.decimals);
  indicator->setValue(model.value);
  indicator->setName(ToQString(model.caption));
  indicator->setUnit(ToQString(model.unit));
}

void Show(Dial* dial, const window::Dial& model) {
  ShowState(dial, model);
  dial->setRange(model.minimum, model.maximum);
  dial->setScaleMaximum(model.scaleMaximum);
  dial->setUnit(ToQString(model.unit));
  const QString caption = ToQString(model.caption);
  dial->setCaption(caption);
  ShowAccessibleName(dial, instrument::JoinNonEmpty({ToQString(model.secondCaption), caption}));
  if (dial->value() != model.value) dial->setValue(model.value);
}

void Show(VerticalSlider* slider, const window::Slider& model) {
  ShowState(slider, model);
  slider->setRange(0, model.steps);
  slider->setCaption(ToQString(model.caption));
  const int position = SliderPosition(model);
  if (slider->value() != position) slider->setValue(position);
}

void Show(NumericSpin* spin, const window::Spin& model) {
  ShowState(spin, model);
  // Decimals first: the spin rounds its range to them.
  if (spin->decimals() != model.decimals) spin->setDecimals(model.decimals);
  if (spin->minimum() != model.minimum || spin->maximum() != model.maximum)
    spin->setRange(model.minimum, model.maximum);
  if (spin->singleStep() != model.step) spin->setSingleStep(model.step);
  if (spin->isTypingEnabled() != model.typing) spin->setTypingEnabled(model.typing);
  if (spin->value() != model.value) spin->setValue(model.value);
  spin->setCaption(ToQString(model.caption));
}

void OnChosen(QComboBox* list, window::Choice& model, Action act) {
  QObject::connect(list, &QComboBox::activated, list, [&model, act](int index) {
    model.index = index;
    act();
  });
}

void OnClicked(QAbstractButton* button, window::CheckBox& model, Action act) {
  QObject::connect(button, &QAbstractButton::clicked, button, [&model, act](bool checked) {
    model.checked = checked;
    act();
  });
}

void OnReleased(Dial* dial, window::Dial& model, Action act) {
  QObject::connect(dial, &Dial::valueEdited, dial, [&model](int value) { model.value = value; });
  QObject::connect(dial, &Dial::valueCommitted, dial, [&model, act](int value) {
    model.value = value;
    act();
  });
}

void OnReleased(VerticalSlider* slider, window::Slider& model, Action act) {
  QObject::connect(slider, &VerticalSlider::valueEdited, slider,
                   [&model](int position) { model.value = SliderValue(model, position); });
  QObject::connect(slider, &VerticalSlider::valueCommitted, slider, [&model, act](int position) {
    model.value = SliderValue(model, position);
    act();
  });
}

void OnStepped(NumericSpin* spin, window::Spin& model, Action act) {
  QObject::connect(spin, &NumericSpin::valueCommitted, spin, [&model, act](double value) {
    model.value = value;
    act();
  });
}

}  // namespace tavu::ui
