#include "core/tool.h"

#include "core/link/variant_profile.h"

namespace tavu {

Tool::Tool(const platform::Platform& platform)
    : platform_(platform),
      link_(platform, model_, texts_, MakeLinkHooks()),
      session_(platform, model_, link_),
      errors_(model_, link_, texts_),
      settingsDecoder_(model_, errors_),
      liveDecoder_(model_, errors_, platform_.locale),
      commands_(model_, link_, platform_.port, [this] { DecodeSettingsImage(); }),
      diagnostics_(model_, platform_.port, commands_),
      oscilloscope_(model_),
      mapEditors_(model_),
      adaptation_(model_),
      service_(model_),
      infoLinks_(model_, platform_.links) {
  map::InitMapGridHeaders(model_.MAPGrid, platform_.locale);
}

LinkHooks Tool::MakeLinkHooks() {
  LinkHooks hooks;
  hooks.applyVariant = [this](const std::string& variant) { ApplyVariantProfile(model_, variant); };
  hooks.disconnect = [this] { session_.rozlacz1Click(); };
  hooks.afterEvent = [this] {
    if (onChanged_) onChanged_();
  };
  hooks.decodeSettings = [this](const Bytes&) { DecodeSettingsImage(); };
  hooks.decodeLive = [this](const Bytes& reply) { DecodeLiveFrame(reply); };
  // The service decoder and the data-file write join here as they are built;
  // LoadMapFromImage and DecodeServiceBlock join settingsDecoder_.hooks().
  return hooks;
}

void Tool::DecodeSettingsImage() { settingsDecoder_.DecodeSettingsImage(link_.SettingsImage, link_.ControllerVariant); }

void Tool::DecodeLiveFrame(const Bytes& reply) { liveDecoder_.DecodeLiveFrame(reply, link_.ControllerVariant); }

}  // namespace tavu
