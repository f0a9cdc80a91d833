#pragma once
// The handlers of every setting control: each turns the control's value, as the
// window model holds it after the user's change, into a command for the link.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/link/link_engine.h"
#include "core/platform/serial_port.h"
#include "core/window/window_model.h"

namespace tavu {

class SettingCommands {
 public:
  // `decodeSettings` decodes SettingsImage again (the cylinder count edits it
  // first); `port` tells the cylinder count whether a controller can be reached.
  SettingCommands(window::WindowModel& model, LinkEngine& link, const platform::SerialPort& port,
                  std::function<void()> decodeSettings);

  // Lists: the model's index is already the chosen item.
  void Sel_cylChange();
  void Sel_ImpulsChange();
  void Sel_RPM_signalChange();
  void Sel_Typ_silnikaChange();
  void Sel_Typ_wtryskuChange();
  void T_RED_changerChange();
  void T_GAZ_changerChange();

  // Check boxes and radio buttons: the model's checked state is already the clicked one.
  void Check_Injector_plusClick();
  void Check_by_firstClick();
  void Full_group_CheckBoxClick();
  void LPG_CNG_RadioButtonClick();

  // Dials and sliders, on release: the model holds the released value.
  void P_pracy_changerRelease();
  void P_min_changerRelease();
  void Min_Temp_Petrol_changerRelease();
  void RPM_Min_To_PetrolRelease();
  void T_zwloki_changerRelease();
  void RPM_Max_To_PetrolRelease();
  void Temp_LPG_changerRelease();
  void RPM_Prog_przelRelease();
  void T_przel_to_LPGRelease();
  void T_CYL_seqenceRelease();

  // The level sensor and its four thresholds. `box` is 0..3 for Ch_U_LPG_1..4;
  // kSensorList stands for Rodz_czuj_LPG, kSlider for Ch_U_LPG_changer.
  static constexpr int kSensorList = -1;
  static constexpr int kSlider = -2;
  void Ch_U_LPG_X_Enter(int sender);
  void Ch_U_LPG_changerValueChange();
  void Ch_U_LPG_X_Change(int sender);
  void Ch_U_LPG_X_Exit();

  // Kor_1 .. kor_8: one spin step; the model holds the new values.
  void KorChange(std::size_t index);

  // The fuel switch. The user's click on paliwo_Switch is kUser.
  enum class FuelSender { kUser, kCylinderLamp, kAdaptation };
  void paliwo_SwitchClick(FuelSender sender = FuelSender::kUser, int adaptationState = -1);

 private:
  void Send(const Bytes& command, const Bytes& next = {}, const Bytes& afterNext = {});
  void SendListIndex(std::uint8_t code, const window::Choice& list);
  void SendTemperatureSensor(std::uint8_t code, const window::Choice& list);
  void SendDial(std::uint8_t code, const window::Dial& dial, double divisor);
  std::uint8_t CylinderMaskFromLamps() const;

  window::WindowModel& model_;
  LinkEngine& link_;
  const platform::SerialPort& port_;
  std::function<void()> decodeSettings_;
};

}  // namespace tavu
