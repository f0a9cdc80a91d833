#include "core/link/port_session.h"

#include <algorithm>

#include "core/lang/language_switch.h"
#include "core/link/variant_profile.h"

namespace tavu {
namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsPortItem(const window::MenuItem& item) { return item.name != "polacz" && item.name != "rozlacz1"; }

}  // namespace

PortSession::PortSession(const platform::Platform& platform, window::WindowModel& model, LinkEngine& link)
    : platform_(platform), model_(model), link_(link) {}

void PortSession::OfferPort(const std::string& name) {
  if (name.empty() || model_.PortCOM.find(name) != nullptr) return;
  auto& items = model_.PortCOM.items;
  auto connectItem = std::find_if(items.begin(), items.end(), [](const auto& i) { return !IsPortItem(i); });
  window::MenuItem item;
  item.name = name;
  item.caption = name;
  items.insert(connectItem, item);
}

void PortSession::CheckPortItem(const std::string& name) {
  for (auto& item : model_.PortCOM.items)
    if (IsPortItem(item)) item.checked = item.name == name;
}

void PortSession::FormCreate(const std::string& extraPort) {
  auto& items = model_.PortCOM.items;
  items.erase(std::remove_if(items.begin(), items.end(), IsPortItem), items.end());
  for (const auto& raw : platform_.port.availablePorts().value_or(std::vector<std::string>{})) OfferPort(Trim(raw));

  platform_.port.close();
  link_.ConnectAttempts = kConnectAttempts;
  const std::string stored = platform_.settings.read(settings_keys::kPortGroup, "Port").value_or("");
  OfferPort(stored);
  OfferPort(extraPort);
  link_.setPortName(stored);
  CheckPortItem(stored);

  const std::string language = platform_.settings.read(settings_keys::kLangGroup, settings_keys::kCurLang).value_or("");
  SelectLanguage(model_, language.empty() ? kDefaultLanguage : language);

  model_.RPM_zegar.sectorOffset = 300;
  model_.RPM_zegar.needleShape = 2;
  model_.fullScreen = platform_.screen.width() <= 800;
}

void PortSession::zmien_port_COM(const std::string& portName) {
  platform_.port.close();
  OfferPort(portName);
  link_.setPortName(portName);
  CheckPortItem(portName);
  if (!platform_.port.open(portName)) {
    platform_.dialogs.showMessage(platform_.port.errorString());
    return;
  }
  polaczClick();
}

void PortSession::polaczClick() { link_.polaczClick(true); }

void PortSession::Polacz_switchStatusChanged(bool on) {
  if (link_.portName().empty()) return;  // nothing chosen yet: the switch stays off
  if (on) {
    model_.Polacz_switch.on = true;
    model_.Polacz_switch.onText = "COM x";
    polaczClick();
  } else {
    rozlacz1Click();
  }
}

void PortSession::LanguageClick(const std::string& name) { SelectLanguage(model_, name); }

void PortSession::StorePortSettings() {
  auto& s = platform_.settings;
  const std::string group = settings_keys::kPortGroup;
  const platform::LineSettings line{};
  s.write(group, "Port", link_.portName());
  s.write(group, "BaudRate", "Custom");
  s.write(group, "CustomBaudRate", std::to_string(line.baudRate));
  s.write(group, "StopBits", std::to_string(line.stopBits));
  s.write(group, "DataBits", std::to_string(line.dataBits));
  s.write(group, "Parity", "None");
  s.write(group, "FlowControl", "None");
}

void PortSession::rozlacz1Click() {
  ApplyVariantProfile(model_, "ver_2");
  model_.tab_control.find("TabSheet10")->visible = false;
  model_.StatusBar1[1].visible = false;

  model_.Error_Led.visible = false;
  const window::Memo errors = model_.Actual_errors_Memo;

  link_.ResetLink();
  model_.Polacz_switch.on = false;
  link_.BlankDashboard();

  model_.Error_Led.visible = false;
  for (const char* name : {"Odczyt1", "Zapis1", "Reset1"}) {
    auto* item = model_.Pliki1.find(name);
    item->visible = false;
    item->enabled = false;
  }
  for (auto* lamp : {&model_.rezerwa_led_gora, &model_.Rezerwa_led_panel}) {
    lamp->flashing = false;
    lamp->on = false;
  }
  for (auto& lamp : model_.Cyl_led) {
    lamp.offColor = colors::kGray;
    lamp.on = false;
  }

  StorePortSettings();
  platform_.settings.write(settings_keys::kLangGroup, settings_keys::kCurLang, CurrentLanguage(model_));

  link_.ReleaseWindow();
  model_.Actual_errors_Memo.lines = errors.lines;
}

void PortSession::FormClose() {
  link_.ResetLink();
  rozlacz1Click();
}

}  // namespace tavu
