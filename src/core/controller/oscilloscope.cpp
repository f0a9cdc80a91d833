#include "core/controller/oscilloscope.h"

namespace tavu {
namespace {

window::RecorderChannel Channel(std::string name, std::string unit, double fullScale) {
  window::RecorderChannel c;
  c.name = std::move(name);
  c.unit = std::move(unit);
  c.fullScale = fullScale;
  return c;
}

}  // namespace

void Oscilloscope::Choose(window::CheckBox& button, window::RecorderChannel first, window::RecorderChannel second) {
  for (auto* b : {&model_.OSC_PETROL_LPG, &model_.OSC_MAP_P1, &model_.TEMP_LPG_RED, &model_.RPM_LAMBDA1,
                  &model_.RPM_LAMBDA2})
    b->checked = b == &button;
  model_.Oscyloskop.channels = {std::move(first), std::move(second)};
}

void Oscilloscope::OSC_PETROL_LPGClick() {
  Choose(model_.OSC_PETROL_LPG, Channel("Petrol", "[ms] ", 40), Channel("Gaz", " [ms]", 40));
}

void Oscilloscope::OSC_MAP_P1Click() {
  Choose(model_.OSC_MAP_P1, Channel("MAP", "[kPa] ", 250), Channel("P1", " [bar]", 4));
}

void Oscilloscope::TEMP_LPG_REDClick() {
  Choose(model_.TEMP_LPG_RED, Channel("Gaz", "[°C] ", 120), Channel("Red", " [°C]", 120));
}

// The lambda scale is taken as the bar has it now: it widens from 1 V to 5 V
// once a higher voltage is seen, and the recorder follows at the next click.
void Oscilloscope::RPM_LAMBDA1Click() {
  Choose(model_.RPM_LAMBDA1, Channel("RPM [x 1000]", "  ", 8), Channel("LAMBDA1", " [V]", model_.lambda_1.maximum));
}

void Oscilloscope::RPM_LAMBDA2Click() {
  Choose(model_.RPM_LAMBDA2, Channel("RPM [x 1000]", "  ", 8), Channel("LAMBDA2", " [V]", model_.lambda_2.maximum));
}

void Oscilloscope::Sample() {
  const auto& m = model_;
  auto& recorder = model_.Oscyloskop;
  // Channel 1 always gets the first value of its pair, so the petrol time is
  // drawn under the name "Petrol" and the gas time under "Gaz".
  if (m.OSC_PETROL_LPG.checked)
    recorder.add(m.Skala_PB_time.value, m.Skala_LPG_time.value);
  else if (m.OSC_MAP_P1.checked)
    recorder.add(m.Slala_P_MAP.value, m.Skala_P1_MAP.value);
  else if (m.TEMP_LPG_RED.checked)
    recorder.add(m.TempGaz.value, m.TempWoda.value);
  else if (m.RPM_LAMBDA1.checked)
    recorder.add(m.RPM_zegar.value, m.lambda_1.value);
  else if (m.RPM_LAMBDA2.checked)
    recorder.add(m.RPM_zegar.value, m.lambda_2.value);
}

}  // namespace tavu
