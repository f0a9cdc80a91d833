#pragma once
// DecodeLiveFrame: shows one live frame on the dashboard, the
// level indicator and the current-errors list. It never sends a command.
#include <string>

#include "core/controller/errors.h"
#include "core/platform/bytes.h"
#include "core/platform/locale.h"
#include "core/window/window_model.h"

namespace tavu {

namespace live_frame {
// The decoder reads up to byte 55; a shorter reply (a command's 6-byte echo, a
// damaged frame) is refused whole and the dashboard keeps what it showed.
inline constexpr std::size_t kMinimumLength = 56;
}  // namespace live_frame

class LiveFrameDecoder {
 public:
  LiveFrameDecoder(window::WindowModel& model, Errors& errors, const platform::Locale& locale);

  // `reply` is the whole ReplyBuffer, start byte first; `variant` is ControllerVariant.
  void DecodeLiveFrame(const Bytes& reply, const std::string& variant);

 private:
  // Steps that belong to the diagnostics tab, the oscilloscope, the learned
  // curves and the adaptation; they run inside the decoder, in this order among
  // its own steps, and do nothing until those views are built.
  void UpdateDiagnosticsBars(const Bytes& reply, double gasTimeMs);
  void SampleOscilloscope();
  void StoreLearnedCurves(const Bytes& reply);
  void StoreAdaptationSamples(const Bytes& reply);

  window::WindowModel& model_;
  Errors& errors_;
  const platform::Locale& locale_;
};

}  // namespace tavu
