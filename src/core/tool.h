#pragma once
// The composition root of the core: owns the window model, the link and every
// part of the tool, and wires their calls to one another.
#include <functional>
#include <memory>

#include "core/link/link_engine.h"
#include "core/link/port_session.h"
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

  // Called after every event that reached the core from the serial port or a
  // timer, so that the window can be redrawn from the model.
  void setOnChanged(std::function<void()> onChanged) { onChanged_ = std::move(onChanged); }

 private:
  LinkHooks MakeLinkHooks();

  platform::Platform platform_;  // a bundle of references, copied
  window::WindowModel model_;
  std::function<void()> onChanged_;
  LinkEngine link_;
  PortSession session_;
};

}  // namespace tavu
