#pragma once
#include "core/platform/screen.h"

namespace tavu::app {

// The primary screen's available area (without the task bar).
class QtScreen final : public platform::Screen {
 public:
  int width() const override;
  int height() const override;
};

}  // namespace tavu::app
