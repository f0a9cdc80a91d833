#pragma once
#include <optional>
#include <string>

namespace tavu::platform {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message: modal to the window, but the caller runs on to its end at once.
  virtual void showMessage(const std::string& text) = 0;
  // A Yes/No question; returns true for Yes. Asked only from user actions and
  // timer steps that are safe to pause.
  virtual bool ask(const std::string& text) = 0;
  // File choices; nullopt when the user cancels. The filter is like "TAVU data (*.tvu)".
  virtual std::optional<std::string> chooseFileToOpen(const std::string& filter) = 0;
  virtual std::optional<std::string> chooseFileToSave(const std::string& filter) = 0;
};

}  // namespace tavu::platform
