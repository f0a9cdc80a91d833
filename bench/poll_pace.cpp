// The pace of the live poll on the real event loop: the time from the last chunk
// of a reply to the next request on the line should be the tick period, 240 ms
// (1264 ms while a bulk transfer greys the window), give or take the event
// loop's jitter. Prints the gaps' minimum, median and maximum for both.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/qt_scheduler.h"
#include "core/tool.h"
#include "sim/controller.h"
#include "sim/simulated_port.h"
#include "virtual_platform.h"

namespace {

using namespace tavu;

// Forwards to the simulated port and notes when chunks arrive and requests leave.
class TimedPort final : public platform::SerialPort {
 public:
  TimedPort(platform::SerialPort& inner, const QElapsedTimer& clock) : inner_(inner), clock_(clock) {
    inner_.setReceiveHandler([this](std::size_t n) {
      lastChunk_ = clock_.nsecsElapsed();
      notifyReceived(n);
    });
  }
  std::optional<std::vector<std::string>> availablePorts() override { return inner_.availablePorts(); }
  bool open(const std::string& name) override { return inner_.open(name); }
  void close() override { inner_.close(); }
  bool isOpen() const override { return inner_.isOpen(); }
  void configure(const platform::LineSettings& s) override { inner_.configure(s); }
  void write(const Bytes& piece) override {
    if (lastChunk_ > 0) gapsMs.push_back(static_cast<double>(clock_.nsecsElapsed() - lastChunk_) / 1e6);
    inner_.write(piece);
  }
  void pause(int ms) override { inner_.pause(ms); }
  std::size_t bytesAvailable() override { return inner_.bytesAvailable(); }
  Bytes read(std::size_t n) override { return inner_.read(n); }
  void clearError() override { inner_.clearError(); }
  std::string errorString() const override { return inner_.errorString(); }

  std::vector<double> gapsMs;

 private:
  platform::SerialPort& inner_;
  const QElapsedTimer& clock_;
  qint64 lastChunk_ = 0;
};

void Print(const char* what, std::vector<double> gaps) {
  std::sort(gaps.begin(), gaps.end());
  std::printf("%-34s n=%zu  min %.2f ms  median %.2f ms  max %.2f ms\n", what, gaps.size(), gaps.front(),
              gaps[gaps.size() / 2], gaps.back());
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int polls = argc > 1 ? std::max(5, std::atoi(argv[1])) : 30;
  QElapsedTimer clock;
  clock.start();
  app::QtScheduler scheduler;
  sim::Controller controller;
  sim::SimulatedPort simulated(scheduler, controller);
  TimedPort port(simulated, clock);
  testing::VirtualPlatform parts(port);
  // The virtual dialogs, store and clock, but real time.
  Tool tool(platform::Platform{port, scheduler, parts.dialogs, parts.settings, parts.clock, parts.locale, parts.links,
                               parts.screen});
  tool.session().FormCreate();
  tool.session().zmien_port_COM(sim::kDemoPortName);

  std::vector<double> normal, slow;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (tool.link().LinkState().empty()) {
      std::fprintf(stderr, "the link dropped: %s\n", parts.dialogs.messages.empty() ? "" : parts.dialogs.messages[0].c_str());
      app.exit(1);
    }
    if (normal.empty() && port.gapsMs.size() >= static_cast<std::size_t>(polls) + 2) {
      normal.assign(port.gapsMs.begin() + 2, port.gapsMs.end());  // skip the connect
      port.gapsMs.clear();
      tool.link().BeginBulkTransfer();
    } else if (!normal.empty() && port.gapsMs.size() >= static_cast<std::size_t>(polls / 3) + 1) {
      slow.assign(port.gapsMs.begin() + 1, port.gapsMs.end());  // the first gap straddles the change
      app.exit(0);
    }
  });
  watch.start(20);
  const int rc = app.exec();
  if (rc != 0) return rc;
  Print("poll after reply (tick 240 ms)", normal);
  Print("poll after reply, greyed (1264 ms)", slow);
  return 0;
}
