#pragma once
// Settings in QSettings under organisation and application "TAVU" (on Windows
// the registry under Software\TAVU).
#include <QSettings>

#include "core/platform/settings_store.h"

namespace tavu::app {

class QtSettingsStore final : public platform::SettingsStore {
 public:
  QtSettingsStore() : settings_(QStringLiteral("TAVU"), QStringLiteral("TAVU")) {}
  std::optional<std::string> read(const std::string& group, const std::string& key) override;
  void write(const std::string& group, const std::string& key, const std::string& value) override;

 private:
  QSettings settings_;
};

}  // namespace tavu::app
