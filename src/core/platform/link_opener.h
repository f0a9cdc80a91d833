#pragma once
#include <string>

namespace tavu::platform {

// Asks the system to open a web address or a "mailto:" link. Failures are silent.
class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  virtual void open(const std::string& address) = 0;
};

}  // namespace tavu::platform
