#pragma once
// PaintBox1: a transparent mouse area laid over the plot of Chart1. Whatever
// its real size, it reports positions in its model size of 652 x 160 pixels,
// so a position means the same injection time on every screen.
#include <QPoint>
#include <QWidget>

#include "core/map/map_editors.h"

namespace tavu::ui {

class PaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit PaintBox(QWidget* parent = nullptr);

  // A position in a box of `size` real pixels, in model pixels.
  static QPoint toModel(QPointF position, QSizeF size);

 signals:
  void pressed(QPoint model, tavu::MouseState state);
  void released();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tavu::ui
