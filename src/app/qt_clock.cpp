#include "app/qt_clock.h"

#include <QDateTime>

namespace tavu::app {

DateTime QtClock::now() const {
  const QDateTime t = QDateTime::currentDateTime();
  return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

}  // namespace tavu::app
