#pragma once
// The life of the tool around the link: start-up, port choice, connect and
// disconnect from the menu and the switch, and closing the window.
#include <string>

#include "core/link/link_engine.h"
#include "core/platform/platform.h"
#include "core/window/window_model.h"

namespace tavu {

namespace settings_keys {
inline constexpr const char* kPortGroup = "ComPort1";
inline constexpr const char* kLangGroup = "Lang";
inline constexpr const char* kCurLang = "CurLang";
}  // namespace settings_keys

class PortSession {
 public:
  PortSession(const platform::Platform& platform, window::WindowModel& model, LinkEngine& link);

  // Builds the port menu from the ports present (plus `extraPort`, and the stored
  // port, when the system does not list them), restores the stored port and language.
  void FormCreate(const std::string& extraPort = {});
  // A port item was clicked: that port is chosen and connected at once.
  void zmien_port_COM(const std::string& portName);
  void polaczClick();
  void rozlacz1Click();
  // The user turned the connect switch on or off.
  void Polacz_switchStatusChanged(bool on);
  void LanguageClick(const std::string& name);
  void FormClose();

 private:
  void OfferPort(const std::string& name);
  void CheckPortItem(const std::string& name);
  void StorePortSettings();

  platform::Platform platform_;  // a bundle of references, copied
  window::WindowModel& model_;
  LinkEngine& link_;
};

}  // namespace tavu
