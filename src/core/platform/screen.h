#pragma once

namespace tavu::platform {

class Screen {
 public:
  virtual ~Screen() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
};

}  // namespace tavu::platform
