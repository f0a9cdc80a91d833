#include "ui/instruments/value_indicator.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "ui/instruments/instrument_style.h"

namespace tavu::ui {

ValueIndicator::ValueIndicator(QWidget* parent) : QWidget(parent) {}

void ValueIndicator::setValue(double value) {
  if (value == value_) return;
  const QString before = valueText();
  value_ = value;
  if (valueText() == before) return;  // same figures, same picture
  update();
  NotifyAccessibleValue(this, value_);
}

void ValueIndicator::setName(const QString& name) {
  if (name == name_) return;
  name_ = name;
  updateGeometry();
  update();
  NotifyAccessibleName(this);
}

void ValueIndicator::setUnit(const QString& unit) {
  if (unit == unit_) return;
  unit_ = unit;
  updateGeometry();
  update();
}

void ValueIndicator::setDecimals(int decimals) {
  if (decimals == decimals_) return;
  decimals_ = decimals;
  updateGeometry();
  update();
}

void ValueIndicator::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) update();
  QWidget::changeEvent(event);
}

QString ValueIndicator::valueText() const { return instrument::FormatNumber(value_, decimals_, locale()); }

QString ValueIndicator::text() const {
  QString line = name_;
  if (!line.isEmpty() && !line.endsWith(QLatin1Char(' '))) line += QLatin1Char(' ');
  line += valueText();
  if (!unit_.isEmpty() && !unit_.startsWith(QLatin1Char(' '))) line += QLatin1Char(' ');
  return line + unit_;
}

QString ValueIndicator::accessibleValueText() const { return instrument::JoinNonEmpty({valueText(), unit_}); }

QSize ValueIndicator::sizeHint() const {
  const QFontMetrics fm = fontMetrics();
  const int figures = fm.horizontalAdvance(QString(std::max(4, decimals_ + 5), QLatin1Char('0')));
  return {fm.horizontalAdvance(name_.trimmed()) + figures + fm.horizontalAdvance(unit_.trimmed()) + fm.height() * 2,
          fm.height() + 10};
}

QSize ValueIndicator::minimumSizeHint() const {
  const QFontMetrics fm = fontMetrics();
  return {fm.horizontalAdvance(valueText()) + 8, fm.height() + 4};
}

void ValueIndicator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  instrument::Prepare(p);
  const QFontMetricsF fm(font());
  const QColor text = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
  const qreal gap = fm.horizontalAdvance(QLatin1Char(' '));
  const QString name = name_.trimmed(), unit = unit_.trimmed();
  const qreal nameW = name.isEmpty() ? 0 : fm.horizontalAdvance(name) + gap;
  const qreal unitW = unit.isEmpty() ? 0 : fm.horizontalAdvance(unit) + gap;

  // Name left, unit right, the figures right-aligned in the window between them;
  // a narrow widget gives up the name first, then the unit.
  QRectF window = rect();
  const qreal figuresW = fm.horizontalAdvance(valueText()) + 8;
  const bool showName = window.width() - nameW - unitW >= figuresW;
  const bool showUnit = window.width() - unitW >= figuresW;
  p.setPen(text);
  if (showName && nameW > 0) {
    p.drawText(QRectF(0, 0, nameW, height()), Qt::AlignLeft | Qt::AlignVCenter, name);
    window.setLeft(nameW);
  }
  if (showUnit && unitW > 0) {
    p.drawText(QRectF(width() - unitW + gap, 0, unitW - gap, height()), Qt::AlignLeft | Qt::AlignVCenter, unit);
    window.setRight(width() - unitW);
  }
  const qreal h = std::min<qreal>(window.height(), fm.height() + 8);
  window = QRectF(window.left(), (height() - h) / 2, window.width(), h);
  instrument::DrawFace(p, window, 3);
  p.setPen(isEnabled() ? instrument::colors::kReadout : instrument::colors::kDimMarking);
  p.drawText(window.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, valueText());
}

}  // namespace tavu::ui
