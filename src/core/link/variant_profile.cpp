#include "core/link/variant_profile.h"

namespace tavu {

void ApplyVariantProfile(window::WindowModel& model, const std::string& variant) {
  const bool newer = variant == "ver_2";
  if (!newer && variant != "ver_1") return;

  model.GroupBox15.visible = newer;
  model.Min_Temp_Petrol_changer.visible = newer;
  model.RPM_Min_To_Petrol.visible = newer;
  model.Panel_korekta.visible = newer;
  model.StatusBar1[1].visible = newer;
  model.tab_control.find("TabSheet10")->visible = newer;
  if (!newer) model.tab_control.active = "TabSheet1";
  model.tab_control.find("TabSheet11")->visible = !newer;

  const int upper = newer ? 300 : 60;
  model.T_przel_to_LPG.maximum = upper;
  model.T_przel_to_LPG.scaleMaximum = upper;
  if (model.T_przel_to_LPG.value > upper) model.T_przel_to_LPG.value = upper;
}

}  // namespace tavu
