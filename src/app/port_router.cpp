#include "app/port_router.h"

namespace tavu::app {

PortRouter::PortRouter(platform::SerialPort& real, platform::SerialPort* demo, std::string demoName)
    : real_(real), demo_(demo), demoName_(std::move(demoName)), active_(&real) {
  real_.setReceiveHandler([this](std::size_t n) {
    if (active_ == &real_) notifyReceived(n);
  });
  if (demo_)
    demo_->setReceiveHandler([this](std::size_t n) {
      if (active_ == demo_) notifyReceived(n);
    });
}

PortRouter::~PortRouter() {
  real_.setReceiveHandler(nullptr);
  if (demo_) demo_->setReceiveHandler(nullptr);
}

std::optional<std::vector<std::string>> PortRouter::availablePorts() {
  auto ports = real_.availablePorts();
  if (!demo_) return ports;
  std::vector<std::string> names = ports.value_or(std::vector<std::string>{});
  names.push_back(demoName_);
  return names;
}

bool PortRouter::open(const std::string& name) {
  platform::SerialPort* wanted = demo_ && name == demoName_ ? demo_ : &real_;
  if (wanted != active_) active_->close();  // one port at a time
  active_ = wanted;
  return active_->open(name);
}

void PortRouter::close() {
  real_.close();
  if (demo_) demo_->close();
}

}  // namespace tavu::app
