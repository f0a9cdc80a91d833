#pragma once
#include "core/platform/clock.h"

namespace tavu::app {

// The local wall clock.
class QtClock final : public platform::Clock {
 public:
  DateTime now() const override;
};

}  // namespace tavu::app
