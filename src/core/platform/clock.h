#pragma once
#include "core/platform/bytes.h"

namespace tavu::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime now() const = 0;
};

}  // namespace tavu::platform
