#pragma once
#include "core/platform/link_opener.h"

namespace tavu::app {

// Web and "mailto:" links through the desktop's default programs.
class QtLinkOpener final : public platform::LinkOpener {
 public:
  void open(const std::string& address) override;
};

}  // namespace tavu::app
