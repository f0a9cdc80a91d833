// The cost of presenting one live frame and one settings block in the window
// model, with the decoders' own work (errors lists, codes, text formatting).
#include <benchmark/benchmark.h>

#include "core/controller/live_frame.h"
#include "core/controller/settings_image.h"
#include "sim/controller.h"
#include "virtual_platform.h"
#include "wire_helpers.h"

namespace {

using namespace tavu;

struct Decoders {
  testing::RecordingPort port;
  testing::VirtualPlatform vp{port};
  window::WindowModel model;
  LanguageTable texts;
  LinkEngine link{vp.view, model, texts, {}};
  Errors errors{model, link, texts};
  SettingsImageDecoder settings{model, errors};
  LiveFrameDecoder live{model, errors, vp.locale};
};

// A live frame of an idling car on gas with two current errors.
void BM_DecodeLiveFrame(benchmark::State& state) {
  Decoders d;
  Bytes frame = testing::Reply(0x55, 60);
  const std::pair<std::size_t, std::uint8_t> bytes[] = {
      {4, 1},     {5, 1},     {6, 26},    {18, 0x00}, {19, 0x0B}, {20, 0x2C}, {21, 8},    {22, 30},
      {24, 120},  {26, 35},   {29, 206},  {30, 92},   {31, 3},    {32, 80},   {33, 30},   {34, 0xFB},
      {35, 0xFA}, {48, 0xFF}, {55, 40}};
  for (const auto& [at, value] : bytes) frame[at] = value;
  for (auto _ : state) {
    d.live.DecodeLiveFrame(frame, "ver_2");
    benchmark::DoNotOptimize(d.model.Skala_LPG_time.value);
  }
}
BENCHMARK(BM_DecodeLiveFrame);

// The simulated controller's factory block, with its recorded errors.
void BM_DecodeSettingsImage(benchmark::State& state) {
  Decoders d;
  d.settings.hooks().loadMapFromImage = [](const Bytes& cells) { benchmark::DoNotOptimize(cells.data()); };
  d.settings.hooks().decodeServiceBlock = [](const Bytes& block) { benchmark::DoNotOptimize(block.data()); };
  sim::Controller controller;
  const Bytes image = controller.answer({0x66, 0x00});
  for (auto _ : state) {
    d.settings.DecodeSettingsImage(image, "ver_2");
    benchmark::DoNotOptimize(d.model.Sel_cyl.index);
  }
}
BENCHMARK(BM_DecodeSettingsImage);

}  // namespace

BENCHMARK_MAIN();
