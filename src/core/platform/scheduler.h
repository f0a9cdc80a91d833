#pragma once
#include <cstdint>
#include <functional>
#include <memory>

namespace tavu::platform {

// A repeating timer. start() always begins the period afresh, whether the timer
// was running or not; so does setInterval() on a running timer.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void start() = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
  virtual void setInterval(int milliseconds) = 0;
  virtual int interval() const = 0;
};

class Scheduler {
 public:
  virtual ~Scheduler() = default;
  // The callback runs on the program's one thread each time the period ends.
  virtual std::unique_ptr<Timer> createTimer(int milliseconds, std::function<void()> onTimeout) = 0;
  // Runs the callback once, after the delay (0: as soon as the current event ends).
  virtual void post(int milliseconds, std::function<void()> callback) = 0;
  // Milliseconds on a monotonic clock.
  virtual std::int64_t nowMs() const = 0;
};

}  // namespace tavu::platform
