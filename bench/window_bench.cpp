// The cost of redrawing the whole window from the model: when nothing changed
// (every tick of an idle link) and after a live frame's worth of dashboard
// values changed, with and without painting the changed instruments.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <array>

#include "core/tool.h"
#include "ui/main_window.h"
#include "virtual_platform.h"

namespace {

using namespace tavu;

struct Window {
  Window() : platform(port) {
    tool.session().FormCreate();
    window.show();
    QApplication::processEvents();
  }
  testing::RecordingPort port;
  testing::VirtualPlatform platform;
  Tool tool{platform.view};
  ui::MainWindow window{tool};
};

// About twenty dashboard values, as one live frame moves them.
void ChangeDashboard(window::WindowModel& m, int frame) {
  const double k = frame % 2 == 0 ? 1.0 : 2.0;
  m.Skala_PB_time.value = 3.1 * k;
  m.Skala_LPG_time.value = 3.9 * k;
  m.lambda_1.value = 0.2 * k;
  m.lambda_2.value = 0.4 * k;
  m.Slala_P_MAP.value = m.P_MAP_edit.value = 35 * k;
  m.Skala_P1_MAP.value = m.P1_MAP_edit.value = 1.1 * k;
  m.RPM_zegar.value = 0.8 * k;
  m.RPM_Edit.value = 800 * k;
  m.BATERY_vpp.value = 13.8 + k / 10;
  m.TempGaz.value = 30 * k;
  m.TempWoda.value = 40 * k;
  m.paliwo_Switch.on = frame % 2 == 0;
  for (std::size_t i = 0; i < 8; ++i) {
    m.Skala_PB_time_n[i].value = 3.0 * k + static_cast<double>(i) / 10;
    m.gaz_slupek[i].value = 3.8 * k + static_cast<double>(i) / 10;
  }
  m.Gaz_led_g[2].on = m.Gaz_led_p[2].on = frame % 2 == 0;
  m.U_zbiornika.text = frame % 2 == 0 ? "1.00" : "2.00";
}

void BM_RefreshUnchanged(benchmark::State& state) {
  Window w;
  for (auto _ : state) w.window.refresh();
}
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMicrosecond);

void BM_RefreshAfterLiveFrame(benchmark::State& state) {
  Window w;
  int frame = 0;
  for (auto _ : state) {
    ChangeDashboard(w.tool.model(), ++frame);
    w.window.refresh();
  }
  QApplication::processEvents();
}
BENCHMARK(BM_RefreshAfterLiveFrame)->Unit(benchmark::kMicrosecond);

// The same, with the changed instruments painted before the next frame.
void BM_RefreshAndPaintAfterLiveFrame(benchmark::State& state) {
  Window w;
  int frame = 0;
  for (auto _ : state) {
    ChangeDashboard(w.tool.model(), ++frame);
    w.window.refresh();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_RefreshAndPaintAfterLiveFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
