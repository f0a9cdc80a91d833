#pragma once
// The "Help" tab: a read-only list of what the installation disc holds.
#include "core/window/controls.h"
#include "ui/tab_page.h"

class QPlainTextEdit;

namespace tavu::ui {

class HelpTab : public TabPage {
  Q_OBJECT
 public:
  explicit HelpTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 private:
  QPlainTextEdit* memo_;
  window::Memo shown_;  // the lines the memo holds
};

}  // namespace tavu::ui
