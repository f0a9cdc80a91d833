#pragma once
// One page of the tab control: it draws its part of the window model and tells
// the main window when a user action has run a handler, so the whole window
// is redrawn.
#include <QWidget>
#include <functional>

#include "core/tool.h"

namespace tavu::ui {

class TabPage : public QWidget {
  Q_OBJECT
 public:
  TabPage(Tool& tool, QWidget* parent = nullptr) : QWidget(parent), tool_(tool) {}
  // Copies this page's controls from the model into the widgets.
  virtual void refresh() = 0;

 signals:
  void acted();

 protected:
  // Runs a handler of the tool, then asks for a redraw.
  void handle(const std::function<void()>& handler) {
    handler();
    emit acted();
  }
  // An action that runs one setting handler, then asks for a redraw.
  std::function<void()> command(void (SettingCommands::*handler)()) {
    return [this, handler] { handle([this, handler] { (tool_.commands().*handler)(); }); };
  }
  Tool& tool_;
};

}  // namespace tavu::ui
