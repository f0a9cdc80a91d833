#pragma once
// DecodeSettingsImage: presents the controller's settings block
// in the window and hands the error register, the correction map and the service
// block on to their parts. It never sends a command.
#include <functional>
#include <string>

#include "core/controller/errors.h"
#include "core/platform/bytes.h"
#include "core/window/window_model.h"

namespace tavu {

// The parts the decoder hands regions of the image to that are built later.
struct SettingsImageHooks {
  // LoadMapFromImage (the correction map): the 246 map bytes 66..311.
  std::function<void(const Bytes& mapCells)> loadMapFromImage;
  // DecodeServiceBlock (the "Serwis" tab): bytes 615..678 followed by byte 756 (65 bytes).
  std::function<void(const Bytes& serviceBlock)> decodeServiceBlock;
};

class SettingsImageDecoder {
 public:
  SettingsImageDecoder(window::WindowModel& model, Errors& errors, SettingsImageHooks hooks = {});

  // Presents `image` (a whole settings reply, start byte first) for the
  // controller generation `variant` ("ver_1", "ver_2" or empty). A reply too
  // short to hold byte 756 is refused: the window keeps what it showed and
  // nothing is handed on.
  void DecodeSettingsImage(const Bytes& image, const std::string& variant);

  SettingsImageHooks& hooks() { return hooks_; }

 private:
  void PresentCylinders(const Bytes& image);
  void PresentFlags(const Bytes& image);
  void PresentDials(const Bytes& image, const std::string& variant);
  void PresentLevelSensor(const Bytes& image);

  window::WindowModel& model_;
  Errors& errors_;
  SettingsImageHooks hooks_;
  Bytes scratch_;  // reused for the regions handed on
};

}  // namespace tavu
