#pragma once
#include <optional>
#include <string>

namespace tavu::platform {

// Persistent key/value settings in named groups. A store that cannot be
// written ignores the write; the caller's choice still applies.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> read(const std::string& group, const std::string& key) = 0;
  virtual void write(const std::string& group, const std::string& key, const std::string& value) = 0;
};

}  // namespace tavu::platform
