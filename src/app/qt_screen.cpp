#include "app/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace tavu::app {
namespace {
QRect Available() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}
}  // namespace

int QtScreen::width() const { return Available().width(); }
int QtScreen::height() const { return Available().height(); }

}  // namespace tavu::app
