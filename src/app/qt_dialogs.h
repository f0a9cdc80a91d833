#pragma once
// Message boxes and file choices, modal to the main window.
#include <QPointer>
#include <QWidget>

#include "core/platform/dialogs.h"

namespace tavu::app {

class QtDialogs final : public platform::Dialogs {
 public:
  // The window the dialogs belong to; until it exists they stand alone.
  void setWindow(QWidget* window) { window_ = window; }

  void showMessage(const std::string& text) override;
  bool ask(const std::string& text) override;
  std::optional<std::string> chooseFileToOpen(const std::string& filter) override;
  std::optional<std::string> chooseFileToSave(const std::string& filter) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace tavu::app
