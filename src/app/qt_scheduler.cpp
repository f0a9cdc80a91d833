#include "app/qt_scheduler.h"

#include <QTimer>

namespace tavu::app {
namespace {

class QtTimer final : public platform::Timer {
 public:
  QtTimer(int milliseconds, std::function<void()> onTimeout) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(milliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [cb = std::move(onTimeout)] { cb(); });
  }
  void start() override { timer_.start(); }  // QTimer::start restarts a running timer
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }
  void setInterval(int milliseconds) override { timer_.setInterval(milliseconds); }  // restarts when running
  int interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

}  // namespace

QtScheduler::QtScheduler() { clock_.start(); }

std::unique_ptr<platform::Timer> QtScheduler::createTimer(int milliseconds, std::function<void()> onTimeout) {
  return std::make_unique<QtTimer>(milliseconds, std::move(onTimeout));
}

void QtScheduler::post(int milliseconds, std::function<void()> callback) {
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &context_, std::move(callback));
}

}  // namespace tavu::app
