#include "core/controller/live_frame.h"

#include <cstdint>

namespace tavu {
namespace {

constexpr std::size_t kIgnitionFlags = 4;
constexpr std::size_t kFuelFlags = 5;
constexpr std::size_t kGasTime = 18;  // 24-bit big-endian, microseconds
constexpr std::size_t kEngineSpeed = 21;
constexpr std::size_t kLambda1 = 22;
constexpr std::size_t kPressureP1 = 23;   // 16-bit big-endian, 0.01 bar
constexpr std::size_t kPressureMap = 25;  // 16-bit big-endian, kPa
constexpr std::size_t kBattery = 29;
constexpr std::size_t kTankSensor = 30;
constexpr std::size_t kGasLevel = 31;
constexpr std::size_t kReducerTemp = 32;
constexpr std::size_t kGasTemp = 33;
constexpr std::size_t kLambda2 = 55;
// PetrolTime1 .. PetrolTime8, 16-bit little-endian, 0.1 ms.
constexpr std::size_t kPetrolTimes[] = {6, 8, 10, 12, 14, 16, 51, 53};

constexpr double kVoltsPerCount = 0.0196;
constexpr double kLambdaWiden = 1.21;
constexpr double kLambdaWideRange = 5.0;
constexpr int kFullGasLevel = 4;

unsigned Be16(const Bytes& r, std::size_t at) { return static_cast<unsigned>(r[at]) << 8 | r[at + 1]; }
unsigned Le16(const Bytes& r, std::size_t at) { return static_cast<unsigned>(r[at + 1]) << 8 | r[at]; }
int Signed(std::uint8_t b) { return static_cast<std::int8_t>(b); }

void ShowLambda(window::Gauge& bar, std::uint8_t count) {
  bar.value = kVoltsPerCount * count;
  if (bar.value > kLambdaWiden) bar.maximum = kLambdaWideRange;  // never narrowed again
}

}  // namespace

LiveFrameDecoder::LiveFrameDecoder(window::WindowModel& model, Errors& errors, const platform::Locale& locale)
    : model_(model), errors_(errors), locale_(locale) {}

void LiveFrameDecoder::DecodeLiveFrame(const Bytes& r, const std::string& variant) {
  auto& m = model_;
  if (r.size() < live_frame::kMinimumLength) return;
  // In this order: later steps read what earlier ones put on the controls.

  ShowLambda(m.lambda_1, r[kLambda1]);
  ShowLambda(m.lambda_2, r[kLambda2]);

  m.RPM_zegar.value = r[kEngineSpeed] / 10.0;
  m.RPM_Edit.value = r[kEngineSpeed] * 100.0;

  m.BATERY_vpp.value = platform::RoundSignificant(23.0 * r[kBattery] / 375.0 + 0.7, 4, 2);

  m.TempWoda.value = Signed(r[kReducerTemp]);
  m.TempGaz.value = Signed(r[kGasTemp]);

  const double map = Be16(r, kPressureMap);
  m.Slala_P_MAP.value = map;
  m.P_MAP_edit.value = map;
  const double p1 = Be16(r, kPressureP1) / 100.0;
  m.Skala_P1_MAP.value = p1;
  m.P1_MAP_edit.value = p1;

  if ((r[kIgnitionFlags] & 0x01) != 0) {
    m.Zaplon_panel.enabled = true;
    m.paliwo_Switch.offColor = colors::kRed;
    m.paliwo_Switch.onColor = colors::kLime;
    m.RPM_zegar.sectorOffset = 0;
    m.RPM_zegar.needleShape = 6;
  } else {
    m.Zaplon_panel.enabled = false;
    m.paliwo_Switch.offColor = colors::kButtonFace;
    m.paliwo_Switch.onColor = colors::kButtonFace;
    m.RPM_zegar.sectorOffset = 300;
    m.RPM_zegar.needleShape = 2;
    m.lambda_1.value = 0;
    m.lambda_2.value = 0;
    m.Skala_PB_time.value = 0;
    m.Skala_LPG_time.value = 0;
  }

  m.paliwo_Switch.on = (r[kFuelFlags] & 0x01) != 0;  // sends nothing

  const double gasTimeMs =
      (65536.0 * r[kGasTime] + 256.0 * r[kGasTime + 1] + r[kGasTime + 2]) / 1000.0;
  m.Skala_LPG_time.value = gasTimeMs;

  for (std::size_t k = 0; k < m.Cyl_show.size(); ++k)
    if (m.Cyl_show[k].checked) m.Skala_PB_time.value = Le16(r, kPetrolTimes[k]) / 10.0;

  if (variant == "ver_1")
    for (auto& kor : m.Kor) kor.value = 0;

  UpdateDiagnosticsBars(r, gasTimeMs);

  const int level = r[kGasLevel];
  const bool reserve = level == 0;
  m.rezerwa_led_gora.on = reserve;
  m.Rezerwa_led_panel.on = reserve;
  for (std::size_t k = 0; k < m.Gaz_led_g.size(); ++k) {
    const int led = static_cast<int>(k) + 1;
    const bool lit = led < kFullGasLevel ? level >= led : level == kFullGasLevel;
    m.Gaz_led_g[k].on = lit;
    m.Gaz_led_p[k].on = lit;
  }

  m.U_zbiornika.text = platform::FormatSignificant(locale_, kVoltsPerCount * r[kTankSensor], 3, 2);

  SampleOscilloscope();
  errors_.ListCurrentErrors(r);
  StoreLearnedCurves(r);
  StoreAdaptationSamples(r);
}

// The diagnostics tab: Skala_PB_time1..8 and gaz_slupek_1..8 from the petrol
// times, the gas time and the corrections. Not built yet.
void LiveFrameDecoder::UpdateDiagnosticsBars(const Bytes&, double) {}

// The oscilloscope: one sample pair of the checked channel pair to the
// recorder. Not wired yet.
void LiveFrameDecoder::SampleOscilloscope() {}

// The learned curves: the curve bytes at SweepIndex into the learned tables,
// then UpdateLearnedCurves(CurveSelect). Not built yet.
void LiveFrameDecoder::StoreLearnedCurves(const Bytes&) {}

// The adaptation: while one runs (AdaptationState != -1), nine bytes at
// SweepIndex into AdaptationSamples. Not built yet.
void LiveFrameDecoder::StoreAdaptationSamples(const Bytes&) {}

}  // namespace tavu
