#include "app/tool_app.h"

#include <QScreen>
#include <QTimer>

namespace tavu::app {

ToolApp::ToolApp(const ToolOptions& options) : options_(options) {
  if (options_.demo) {
    demoController_ = std::make_unique<sim::Controller>(options_.demoOptions);
    demoPort_ = std::make_unique<sim::SimulatedPort>(scheduler_, *demoController_);
  }
  port_ = std::make_unique<PortRouter>(serial_, demoPort_.get(), sim::kDemoPortName);
  tool_ = std::make_unique<Tool>(
      platform::Platform{*port_, scheduler_, dialogs_, settings_, clock_, locale_, links_, screen_});
  tool_->session().FormCreate(options_.port.toStdString());
  window_ = std::make_unique<ui::MainWindow>(*tool_);
  dialogs_.setWindow(window_.get());
}

void ToolApp::show() {
  if (tool_->model().fullScreen) {
    window_->showFullScreen();
  } else {
    if (const QScreen* s = window_->screen()) window_->move(s->availableGeometry().center() - window_->rect().center());
    window_->show();
  }
  if (!options_.port.isEmpty()) {
    // As if the port's item had been clicked, once the window is up.
    QTimer::singleShot(0, window_.get(), [this] {
      tool_->session().zmien_port_COM(options_.port.toStdString());
      window_->refresh();
    });
  }
}

}  // namespace tavu::app
