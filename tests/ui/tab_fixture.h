#pragma once
// One tab page over a tool on the virtual platform, redrawn after every
// handler as the main window does, and a picture of it to look at.
#include <QCoreApplication>
#include <QtTest>
#include <memory>

#include "core/tool.h"
#include "ui/tab_page.h"
#include "virtual_platform.h"

namespace tavu::testing {

// The room the tab control gives a page.
inline constexpr QSize kPageSize{784, 222};

template <typename Tab>
struct TabFixture {
  explicit TabFixture(QSize size = kPageSize) : platform(port), tool(platform.view), tab(tool) {
    QObject::connect(&tab, &ui::TabPage::acted, &tab, &ui::TabPage::refresh);
    tab.resize(size);
    tab.refresh();
    tab.show();
    exposed = QTest::qWaitForWindowExposed(&tab);
  }
  template <typename W>
  W* find(const char* name) const {
    return tab.template findChild<W*>(QString::fromLatin1(name));
  }
  // Saves the page as TAVU_UI_SHOT_DIR/<name>.png.
  bool shot(const char* name) {
    tab.refresh();
    QCoreApplication::processEvents();
    return tab.grab().save(QStringLiteral(TAVU_UI_SHOT_DIR "/%1.png").arg(QString::fromLatin1(name)));
  }

  bool exposed = false;
  RecordingPort port;
  VirtualPlatform platform;
  Tool tool;
  Tab tab;
};

}  // namespace tavu::testing
