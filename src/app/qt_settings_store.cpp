#include "app/qt_settings_store.h"

namespace tavu::app {
namespace {
QString Path(const std::string& group, const std::string& key) {
  return QString::fromStdString(group) + QLatin1Char('/') + QString::fromStdString(key);
}
}  // namespace

std::optional<std::string> QtSettingsStore::read(const std::string& group, const std::string& key) {
  const QString path = Path(group, key);
  if (!settings_.contains(path)) return std::nullopt;
  return settings_.value(path).toString().toStdString();
}

void QtSettingsStore::write(const std::string& group, const std::string& key, const std::string& value) {
  // A store that cannot be written is left as it is; the choice still applies.
  if (!settings_.isWritable()) return;
  settings_.setValue(Path(group, key), QString::fromStdString(value));
  settings_.sync();
}

}  // namespace tavu::app
