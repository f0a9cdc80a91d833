#include "ui/map/paint_box.h"

#include <QMouseEvent>
#include <cmath>

#include "core/window/map_tab.h"
#include "ui/bindings.h"
#include "ui/map/mouse_state.h"

namespace tavu::ui {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  Named(this, QStringLiteral("PaintBox1"));
  setAttribute(Qt::WA_NoSystemBackground);
}

QPoint PaintBox::toModel(QPointF position, QSizeF size) {
  if (size.width() <= 0 || size.height() <= 0) return {};
  // A real pixel stands for the model pixel under its centre, so the first and
  // the last real pixels reach the model's edges at any size.
  const auto scale = [](qreal at, qreal real, int model) {
    return std::clamp(static_cast<int>(std::floor((std::floor(at) + 0.5) * model / real)), 0, model - 1);
  };
  return {scale(position.x(), size.width(), window::PaintBox::kWidth),
          scale(position.y(), size.height(), window::PaintBox::kHeight)};
}

void PaintBox::mousePressEvent(QMouseEvent* event) {
  emit pressed(toModel(event->position(), size()), ToMouseState(*event));
}

void PaintBox::mouseReleaseEvent(QMouseEvent*) { emit released(); }

}  // namespace tavu::ui
