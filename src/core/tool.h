#pragma once
// The composition root of the core: owns the window model, the link and every
// part of the tool, and wires their calls to one another.
#include <functional>
#include <memory>

#include "core/controller/diagnostics.h"
#include "core/controller/errors.h"
#include "core/controller/live_frame.h"
#include "core/controller/oscilloscope.h"
#include "core/controller/service_block.h"
#include "core/info_links.h"
#include "core/controller/setting_commands.h"
#include "core/controller/settings_image.h"
#include "core/lang/language_table.h"
#include "core/link/link_engine.h"
#include "core/link/port_session.h"
#include "core/map/adaptation.h"
#include "core/map/map_editors.h"
#include "core/platform/platform.h"
#include "core/window/window_model.h"

namespace tavu {

class Tool {
 public:
  explicit Tool(const platform::Platform& platform);
  Tool(const Tool&) = delete;
  Tool& operator=(const Tool&) = delete;

  window::WindowModel& model() { return model_; }
  const window::WindowModel& model() const { return model_; }
  LinkEngine& link() { return link_; }
  PortSession& session() { return session_; }
  SettingCommands& commands() { return commands_; }
  Errors& errors() { return errors_; }
  Diagnostics& diagnostics() { return diagnostics_; }
  LanguageTable& texts() { return texts_; }
  SettingsImageDecoder& settingsDecoder() { return settingsDecoder_; }
  LiveFrameDecoder& liveDecoder() { return liveDecoder_; }
  Oscilloscope& oscilloscope() { return oscilloscope_; }
  MapEditors& mapEditors() { return mapEditors_; }
  Adaptation& adaptation() { return adaptation_; }
  ServiceBlock& service() { return service_; }
  InfoLinks& infoLinks() { return infoLinks_; }

  // Called after every event that reached the core from the serial port or a
  // timer, so that the window can be redrawn from the model.
  void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

 private:
  LinkHooks MakeLinkHooks();
  // Presents the link's SettingsImage in the window.
  void DecodeSettingsImage();
  // Shows one reply of the link on the dashboard.
  void DecodeLiveFrame(const Bytes& reply);

  platform::Platform platform_;  // a bundle of references, copied
  window::WindowModel model_;
  LanguageTable texts_;
  std::function<void()> onChanged_;
  LinkEngine link_;
  PortSession session_;
  Errors errors_;
  SettingsImageDecoder settingsDecoder_;
  LiveFrameDecoder liveDecoder_;
  SettingCommands commands_;
  Diagnostics diagnostics_;
  Oscilloscope oscilloscope_;
  MapEditors mapEditors_;
  Adaptation adaptation_;
  ServiceBlock service_;
  InfoLinks infoLinks_;
};

}  // namespace tavu
