#include "app/qt_link_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavu::app {

void QtLinkOpener::open(const std::string& address) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));  // failures are silent
}

}  // namespace tavu::app
