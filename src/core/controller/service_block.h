#pragma once
// The "Serwis" tab's handlers: the km factor, the service interval in hours
// and in km, setting the next service and switching its reminder off. Their
// behaviour joins here with the service block decoder; until then they leave
// the tool as it is.
#include <string>

#include "core/window/window_model.h"

namespace tavu {

class ServiceBlock {
 public:
  explicit ServiceBlock(window::WindowModel& model) : model_(model) {}

  // The spins' new values are already in the model.
  void przelicznikChange();  // also when the tab "Serwis" is shown
  void za_godzValueChanged();
  void za_kmValueChanged();
  // `sender` is "Ustaw_przeglad_Button" or "Kasuj_alarm_BitBtn".
  void Ustaw_Click(const std::string& sender);
  // The tab "Adaptacja" is shown.
  void TabSheet3Show();

 private:
  window::WindowModel& model_;
};

}  // namespace tavu
