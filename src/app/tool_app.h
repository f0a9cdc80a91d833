#pragma once
// The running tool: the Qt adapters of the platform, the optional built-in
// simulated controller, the core and its main window, wired together.
#include <QString>
#include <memory>

#include "app/port_router.h"
#include "app/qt_clock.h"
#include "app/qt_dialogs.h"
#include "app/qt_link_opener.h"
#include "app/qt_locale.h"
#include "app/qt_scheduler.h"
#include "app/qt_screen.h"
#include "app/qt_serial_port.h"
#include "app/qt_settings_store.h"
#include "core/tool.h"
#include "sim/controller.h"
#include "sim/simulated_port.h"
#include "ui/main_window.h"

namespace tavu::app {

struct ToolOptions {
  QString port;  // connect to this port at start
  bool demo = false;
  sim::Options demoOptions;
};

class ToolApp {
 public:
  explicit ToolApp(const ToolOptions& options);
  // Shows the window (full screen on small screens) and, when a port was
  // given, connects to it once the window is up.
  void show();
  ui::MainWindow& window() { return *window_; }
  Tool& tool() { return *tool_; }

 private:
  ToolOptions options_;
  QtScheduler scheduler_;
  QtSerialPort serial_;
  std::unique_ptr<sim::Controller> demoController_;
  std::unique_ptr<sim::SimulatedPort> demoPort_;
  std::unique_ptr<PortRouter> port_;
  QtDialogs dialogs_;
  QtSettingsStore settings_;
  QtClock clock_;
  QtLocale locale_;
  QtLinkOpener links_;
  QtScreen screen_;
  std::unique_ptr<Tool> tool_;
  std::unique_ptr<ui::MainWindow> window_;
};

}  // namespace tavu::app
