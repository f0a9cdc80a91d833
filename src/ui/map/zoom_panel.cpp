#include "ui/map/zoom_panel.h"

#include <QMouseEvent>

#include "ui/bindings.h"
#include "ui/qt_convert.h"

namespace tavu::ui {

ZoomPanel::ZoomPanel(QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  setAlignment(Qt::AlignCenter);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
}

void ZoomPanel::draw(const window::ZoomPanel& panel) {
  setText(ToQString(panel.caption));
  ShowState(this, panel);
  if (font().bold() != panel.bold) {
    QFont f = font();
    f.setBold(panel.bold);
    setFont(f);
  }
  adjustSize();
}

void ZoomPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ZoomPanel::mouseMoveEvent(QMouseEvent*) { emit moved(); }

}  // namespace tavu::ui
