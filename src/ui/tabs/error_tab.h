#pragma once
// The tab "Error": the errors present now, the errors the controller has
// recorded, and the button that clears both.
#include "core/window/controls.h"
#include "ui/tab_page.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tavu::ui {

class ErrorTab : public TabPage {
  Q_OBJECT
 public:
  explicit ErrorTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 private:
  QLabel* label19_ = nullptr;
  QPlainTextEdit* actualErrors_ = nullptr;
  window::Memo actualShown_;
  QLabel* label18_ = nullptr;
  QPlainTextEdit* registerErrors_ = nullptr;
  window::Memo registerShown_;
  QPushButton* button2_ = nullptr;
};

}  // namespace tavu::ui
