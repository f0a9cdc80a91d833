#include "core/controller/settings_image.h"

#include <algorithm>

#include "core/controller/setting_codes.h"
#include "core/platform/locale.h"

namespace tavu {
namespace {

namespace si = settings_image;
namespace codes = setting_codes;

bool Bit(std::uint8_t byte, std::uint8_t mask) { return (byte & mask) != 0; }

// A value outside a control's range is shown at the nearer end.
void Show(window::Dial& dial, long long value) {
  dial.value = static_cast<int>(std::clamp<long long>(value, dial.minimum, dial.maximum));
}
void Show(window::Slider& slider, double value) { slider.value = std::clamp(value, slider.minimum, slider.maximum); }
void Show(window::Spin& spin, double value) { spin.value = std::clamp(value, spin.minimum, spin.maximum); }

// Sets a check box that sends on a click, with its caption "-" meanwhile so
// that the click handler ignores the change.
void SetGuarded(window::CheckBox& box, bool checked) {
  box.caption.assign(1, setting_codes::kGuardCaption);
  box.checked = checked;
  box.caption.clear();
}

}  // namespace

SettingsImageDecoder::SettingsImageDecoder(window::WindowModel& model, Errors& errors, SettingsImageHooks hooks)
    : model_(model), errors_(errors), hooks_(std::move(hooks)) {}

void SettingsImageDecoder::DecodeSettingsImage(const Bytes& image, const std::string& variant) {
  if (image.size() < si::kMinimumLength) return;

  PresentCylinders(image);
  const int pulse = image[si::kPulseSource];
  model_.Sel_Impuls.index = pulse < static_cast<int>(model_.Sel_Impuls.items.size()) ? pulse : codes::kNoItem;
  PresentFlags(image);
  Show(model_.P_pracy_changer, image[si::kWorkPressure] / 100.0);
  Show(model_.P_min_changer, image[si::kMinPressure] / 100.0);
  model_.P1_MAP_changer.index =
      image[si::kPressureSensor] == si::kPressureSensorTavu01 ? 0 : codes::kNoItem;
  model_.T_RED_changer.index = codes::ItemForCode(codes::kTemperatureSensorCodes, image[si::kReducerSensor]);
  model_.T_GAZ_changer.index = codes::ItemForCode(codes::kTemperatureSensorCodes, image[si::kGasSensor]);
  PresentDials(image, variant);
  PresentLevelSensor(image);

  const std::size_t reg = variant == "ver_2" ? si::kErrorRegisterVer2 : si::kErrorRegisterVer1;
  scratch_.assign(image.begin() + static_cast<std::ptrdiff_t>(reg),
                  image.begin() + static_cast<std::ptrdiff_t>(reg + si::kErrorRegisterLength + 1));
  errors_.ListRegisteredErrors(scratch_);

  Show(model_.RPM_Min_To_Petrol, image[si::kMinRpm] * 100LL);
  Show(model_.Min_Temp_Petrol_changer, static_cast<std::int8_t>(image[si::kMinTemp]));
  for (std::size_t k = 0; k < model_.Kor.size(); ++k)
    Show(model_.Kor[k], static_cast<double>(image[si::kCorrections + k]) - 128.0);

  if (hooks_.loadMapFromImage) {
    scratch_.assign(image.begin() + si::kMap, image.begin() + si::kMap + si::kMapCells);
    hooks_.loadMapFromImage(scratch_);
  }
  if (hooks_.decodeServiceBlock) {
    scratch_.assign(image.begin() + si::kService, image.begin() + si::kService + si::kServiceBytes);
    scratch_.push_back(image[si::kServiceFlag]);
    hooks_.decodeServiceBlock(scratch_);
  }
}

void SettingsImageDecoder::PresentCylinders(const Bytes& image) {
  for (std::size_t k = 3; k < model_.Cyl_led.size(); ++k) {
    model_.Cyl_show[k].enabled = true;
    model_.Cyl_led[k].enabled = true;
    model_.Cyl_led[k].offColor = colors::kGray;
  }
  const int item = codes::ItemForCode(codes::kCylinderCodes, image[si::kCylinders]);
  model_.Sel_cyl.index = item;
  if (item == codes::kNoItem) return;  // code 4 (7 cylinders) or unknown: everything stays enabled
  const auto active = static_cast<std::size_t>(codes::kCylinderCounts[static_cast<std::size_t>(item)]);
  for (std::size_t k = 0; k < model_.Cyl_led.size(); ++k) {
    if (k < active) {
      model_.Cyl_led[k].offColor = colors::kRed;
    } else {
      model_.Cyl_show[k].enabled = false;
      model_.Cyl_led[k].enabled = false;
    }
  }
}

void SettingsImageDecoder::PresentFlags(const Bytes& image) {
  const std::uint8_t setup = image[si::kSetupFlags];
  model_.Sel_RPM_signal.index = Bit(setup, si::kSetupRpmHigh) ? 1 : 0;
  const bool turbo = Bit(setup, si::kSetupTurbo);
  model_.Sel_Typ_silnika.index = turbo ? 1 : 0;
  model_.Chart1.rightAxisMaximum = turbo ? 256 : 100;
  model_.Chart2.rightAxisMaximum = turbo ? 256 : 100;

  model_.Sel_Typ_wtrysku.index = codes::InjectorItemForCode(image[si::kInjectorType]);

  const std::uint8_t switching = image[si::kSwitchFlags];
  SetGuarded(model_.Check_Injector_plus, Bit(setup, si::kSetupInjectorPlus));
  model_.wykres_CheckBox.checked = Bit(setup, si::kSetupMapLocked);
  SetGuarded(model_.Check_by_first, Bit(switching, si::kSwitchByFirst));
  const bool cng = Bit(switching, si::kSwitchCng);
  model_.LPG_RadioButton.tag = 1;
  model_.LPG_RadioButton.checked = !cng;
  model_.CNG_RadioButton.checked = cng;
  model_.LPG_RadioButton.tag = 0;

  const std::uint8_t mask = image[si::kCylinderMask];
  for (std::size_t k = 0; k < model_.Cyl_led.size(); ++k) model_.Cyl_led[k].on = ((mask >> k) & 1u) != 0;
}

void SettingsImageDecoder::PresentDials(const Bytes& image, const std::string& variant) {
  Show(model_.RPM_Max_To_Petrol, image[si::kMaxRpm] * 100LL);
  Show(model_.T_zwloki_changer, image[si::kPressureErrorTime] * 10LL);
  Show(model_.Temp_LPG_changer, image[si::kSwitchTemp]);
  Show(model_.RPM_Prog_przel, image[si::kSwitchRpm] * 100LL);
  if (variant == "ver_1") {
    Show(model_.T_przel_to_LPG, platform::RoundHalfEven(image[si::kDelayLow] / 2.0));
  } else if (variant == "ver_2") {
    const int halfSeconds = image[si::kDelayHigh] * 256 + image[si::kDelayLow];
    Show(model_.T_przel_to_LPG, platform::RoundHalfEven(halfSeconds / 2.0));
  }
  const std::uint8_t sequence = image[si::kSequenceTime];
  Show(model_.T_CYL_seqence, sequence * 10LL);
  model_.Full_group_CheckBox.checked = sequence == 0;  // presenting it sends nothing
}

void SettingsImageDecoder::PresentLevelSensor(const Bytes& image) {
  model_.Rodz_czuj_LPG.index = codes::ItemForCode(codes::kLevelSensorCodes, image[si::kLevelSensor]);
  for (std::size_t k = 0; k < model_.Ch_U_LPG.size(); ++k)
    model_.Ch_U_LPG[k].text = platform::FormatFixed(
        codes::ThresholdLocale(), image[si::kLevelThresholds + k] / si::kThresholdCountsPerVolt, 2);
}

}  // namespace tavu
