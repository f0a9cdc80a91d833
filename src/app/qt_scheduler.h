#pragma once
// Timers and deferred calls on the Qt event loop.
#include <QElapsedTimer>
#include <QObject>

#include "core/platform/scheduler.h"

namespace tavu::app {

class QtScheduler final : public platform::Scheduler {
 public:
  QtScheduler();
  std::unique_ptr<platform::Timer> createTimer(int milliseconds, std::function<void()> onTimeout) override;
  void post(int milliseconds, std::function<void()> callback) override;
  std::int64_t nowMs() const override { return clock_.elapsed(); }

 private:
  QObject context_;  // posted calls die with the scheduler
  QElapsedTimer clock_;
};

}  // namespace tavu::app
