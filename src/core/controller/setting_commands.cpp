#include "core/controller/setting_commands.h"

#include <algorithm>
#include <charconv>

#include "core/controller/setting_codes.h"
#include "core/platform/locale.h"

namespace tavu {
namespace {

namespace si = settings_image;
namespace codes = setting_codes;

constexpr std::uint8_t kCylinderCount = 0x1B;
constexpr std::uint8_t kPulseSource = 0x0A;
constexpr std::uint8_t kRpmSignal = 0x17;
constexpr std::uint8_t kEngineType = 0x21;
constexpr std::uint8_t kInjectorPlus = 0x2D;
constexpr std::uint8_t kSwitchByFirst = 0x2E;
constexpr std::uint8_t kWorkPressure = 0x2B;
constexpr std::uint8_t kMinPressure = 0x1E;
constexpr std::uint8_t kReducerSensor = 0x13;
constexpr std::uint8_t kGasSensor = 0x18;
constexpr std::uint8_t kFuelKind = 0x43;
constexpr std::uint8_t kMinTemp = 0x37;
constexpr std::uint8_t kMinRpm = 0x36;
constexpr std::uint8_t kPressureErrorTime = 0x1F;
constexpr std::uint8_t kMaxRpm = 0x11;
constexpr std::uint8_t kSwitchTemp = 0x0F;
constexpr std::uint8_t kSwitchRpm = 0x09;
constexpr std::uint8_t kSwitchDelay = 0x22;
constexpr std::uint8_t kSequenceTime = 0x23;
constexpr std::uint8_t kLevelSensor = 0x0D;
constexpr std::uint8_t kThresholdEditing = 0x31;
constexpr std::uint8_t kInjectorType = 0x0E;
constexpr std::uint8_t kInjectorCompanion1 = 0x24;
constexpr std::uint8_t kInjectorCompanion2 = 0x30;
constexpr std::uint8_t kCorrections = 0x44;
constexpr std::uint8_t kFuelSwitch = 0x03;
constexpr std::uint8_t kAskPetrol = 0x02;
constexpr std::uint8_t kAskGas = 0x03;
constexpr std::uint8_t kAdaptationStart = 0x25;

constexpr std::uint8_t kFullGroupSequence = 0x00;
constexpr std::uint8_t kDefaultSequence = 0x14;  // 20 x 10 ms
constexpr int kDefaultSequenceMs = 200;

// Where the threshold slider goes for Ch_U_LPG_1 .. 4, and its top edge.
constexpr int kSliderLeft[] = {244, 306, 370, 434};
constexpr int kSliderTop = 10;

struct Thresholds {
  const char* sensor;
  const char* boxes[4];
};
constexpr Thresholds kDefaultThresholds[] = {
    {"0-90 Ohm", {"0,70", "1,50", "2,20", "2,80"}},
    {"90-0 Ohm", {"2,80", "2,20", "1,50", "0,70"}},
    {"0-50 kOhm", {"0,90", "2,00", "3,10", "4,10"}},
    {"50-0 kOhm", {"4,10", "3,10", "2,00", "0,90"}},
};

// Values sent as one byte are the low 8 bits.
std::uint8_t Low8(long long value) { return static_cast<std::uint8_t>(value & 0xFF); }

// "scaled": round(value x factor), halves to even (dials divide: round(value / divisor)).
std::uint8_t Scaled(double value, double factor) { return Low8(platform::RoundHalfEven(value * factor)); }

// "signed": two's complement in one byte.
std::uint8_t SignedByte(double value) {
  return Low8(platform::RoundHalfEven(value >= 0 ? value : value + 256.0));
}

double Clamped(const window::Dial& dial) {
  return std::clamp<double>(dial.value, dial.minimum, dial.maximum);
}
double Clamped(const window::Slider& slider) { return std::clamp(slider.value, slider.minimum, slider.maximum); }
double Clamped(const window::Spin& spin) { return std::clamp(spin.value, spin.minimum, spin.maximum); }

// The volts a threshold box shows, with its decimal comma; 0 for text that is no number.
double Volts(const std::string& text) {
  std::string plain = text;
  std::replace(plain.begin(), plain.end(), ',', '.');
  double volts = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), volts);
  return ec == std::errc{} ? volts : 0.0;
}

// The settings decoder marks the check boxes it sets with the caption "-".
bool SetByDecoder(const window::CheckBox& box) {
  return box.caption.size() == 1 && box.caption[0] == codes::kGuardCaption;
}

std::string VisibleText(const window::Choice& list) {
  if (list.index < 0 || static_cast<std::size_t>(list.index) >= list.items.size()) return {};
  return list.items[static_cast<std::size_t>(list.index)];
}

}  // namespace

SettingCommands::SettingCommands(window::WindowModel& model, LinkEngine& link, const platform::SerialPort& port,
                                 std::function<void()> decodeSettings)
    : model_(model), link_(link), port_(port), decodeSettings_(std::move(decodeSettings)) {}

void SettingCommands::Send(const Bytes& command, const Bytes& next, const Bytes& afterNext) {
  link_.CommandAttempts = 5;
  link_.QueueCommand(command, next, afterNext);
}

void SettingCommands::SendListIndex(std::uint8_t code, const window::Choice& list) {
  if (list.index < 0 || static_cast<std::size_t>(list.index) >= list.items.size()) return;
  Send({code, static_cast<std::uint8_t>(list.index)});
}

void SettingCommands::SendTemperatureSensor(std::uint8_t code, const window::Choice& list) {
  if (!codes::ValidItem(codes::kTemperatureSensorCodes, list.index)) return;
  Send({code, codes::kTemperatureSensorCodes[static_cast<std::size_t>(list.index)]});
}

void SettingCommands::SendDial(std::uint8_t code, const window::Dial& dial, double divisor) {
  Send({code, Low8(platform::RoundHalfEven(Clamped(dial) / divisor))});
}

std::uint8_t SettingCommands::CylinderMaskFromLamps() const {
  std::uint8_t mask = 0;
  for (std::size_t k = 0; k < model_.Cyl_led.size(); ++k)
    if (model_.Cyl_led[k].on) mask = static_cast<std::uint8_t>(mask | (1u << k));
  return mask;
}

// --- Lists -------------------------------------------------------------------

void SettingCommands::Sel_cylChange() {
  Bytes& image = link_.SettingsImage;
  if (!port_.isOpen() || image.size() <= 10) return;  // no settings block read yet
  const int item = model_.Sel_cyl.index;
  if (!codes::ValidItem(codes::kCylinderCodes, item)) return;
  const auto i = static_cast<std::size_t>(item);
  Send({kCylinderCount, codes::kCylinderCodes[i]});
  if (image.size() > si::kCylinders) {
    image[si::kCylinders] = codes::kCylinderCodes[i];
    image[si::kCylinderMask] = codes::kCylinderMasks[i];
  }
  if (decodeSettings_) decodeSettings_();
}

void SettingCommands::Sel_ImpulsChange() { SendListIndex(kPulseSource, model_.Sel_Impuls); }
void SettingCommands::Sel_RPM_signalChange() { SendListIndex(kRpmSignal, model_.Sel_RPM_signal); }

void SettingCommands::Sel_Typ_silnikaChange() {
  const int item = model_.Sel_Typ_silnika.index;
  if (item != 0 && item != 1) return;
  const double axis = item == 1 ? 256 : 100;
  model_.Chart1.rightAxisMaximum = axis;
  model_.Chart2.rightAxisMaximum = axis;
  Send({kEngineType, static_cast<std::uint8_t>(item)});
}

void SettingCommands::Sel_Typ_wtryskuChange() {
  const int item = model_.Sel_Typ_wtrysku.index;
  if (!codes::ValidItem(codes::kInjectorCodes, item)) return;
  const auto& c = codes::kInjectorCodes[static_cast<std::size_t>(item)];
  Send({kInjectorType, c.type}, {kInjectorCompanion1, c.companion24}, {kInjectorCompanion2, c.companion30});
}

void SettingCommands::T_RED_changerChange() { SendTemperatureSensor(kReducerSensor, model_.T_RED_changer); }
void SettingCommands::T_GAZ_changerChange() { SendTemperatureSensor(kGasSensor, model_.T_GAZ_changer); }

// --- Check boxes and radio buttons -------------------------------------------

void SettingCommands::Check_Injector_plusClick() {
  const auto& box = model_.Check_Injector_plus;
  if (SetByDecoder(box)) return;
  Send({kInjectorPlus, static_cast<std::uint8_t>(box.checked ? 1 : 0)});
}

void SettingCommands::Check_by_firstClick() {
  const auto& box = model_.Check_by_first;
  if (SetByDecoder(box)) return;
  Send({kSwitchByFirst, static_cast<std::uint8_t>(box.checked ? 1 : 0)});
}

void SettingCommands::Full_group_CheckBoxClick() {
  const bool fullGroup = model_.Full_group_CheckBox.checked;
  Send({kSequenceTime, fullGroup ? kFullGroupSequence : kDefaultSequence});
  model_.T_CYL_seqence.value = fullGroup ? 0 : kDefaultSequenceMs;  // the dial sends nothing by itself
}

void SettingCommands::LPG_CNG_RadioButtonClick() {
  if (model_.LPG_RadioButton.tag != 0) return;  // the decoder is setting them
  if (model_.LPG_RadioButton.checked) {
    Send({kFuelKind, 0x00});
  } else if (model_.CNG_RadioButton.checked) {
    Send({kFuelKind, 0x01});
  }
}

// --- Dials and sliders ---------------------------------------------------------

void SettingCommands::P_pracy_changerRelease() { Send({kWorkPressure, Scaled(Clamped(model_.P_pracy_changer), 100)}); }
void SettingCommands::P_min_changerRelease() { Send({kMinPressure, Scaled(Clamped(model_.P_min_changer), 100)}); }
void SettingCommands::Min_Temp_Petrol_changerRelease() {
  Send({kMinTemp, SignedByte(Clamped(model_.Min_Temp_Petrol_changer))});
}
void SettingCommands::RPM_Min_To_PetrolRelease() { SendDial(kMinRpm, model_.RPM_Min_To_Petrol, 100); }
void SettingCommands::T_zwloki_changerRelease() { SendDial(kPressureErrorTime, model_.T_zwloki_changer, 10); }
void SettingCommands::RPM_Max_To_PetrolRelease() { SendDial(kMaxRpm, model_.RPM_Max_To_Petrol, 100); }
void SettingCommands::Temp_LPG_changerRelease() { SendDial(kSwitchTemp, model_.Temp_LPG_changer, 1); }
void SettingCommands::RPM_Prog_przelRelease() { SendDial(kSwitchRpm, model_.RPM_Prog_przel, 100); }
void SettingCommands::T_CYL_seqenceRelease() { SendDial(kSequenceTime, model_.T_CYL_seqence, 10); }

void SettingCommands::T_przel_to_LPGRelease() {
  const long long halfSeconds = platform::RoundHalfEven(Clamped(model_.T_przel_to_LPG) * 2);
  if (link_.ControllerVariant == "ver_1") {
    Send({kSwitchDelay, Low8(halfSeconds)});
  } else if (link_.ControllerVariant == "ver_2") {
    Send({kSwitchDelay, Low8(halfSeconds >> 8), Low8(halfSeconds)});
  }
}

// --- The level sensor and its thresholds ---------------------------------------

void SettingCommands::Ch_U_LPG_X_Enter(int sender) {
  auto& slider = model_.Ch_U_LPG_changer;
  slider.top = kSliderTop;
  if (sender >= 0 && static_cast<std::size_t>(sender) < model_.Ch_U_LPG.size()) {
    auto& box = model_.Ch_U_LPG[static_cast<std::size_t>(sender)];
    box.color = colors::kGreen;
    slider.left = kSliderLeft[sender];
    const double volts = std::clamp(Volts(box.text), slider.minimum, slider.maximum);
    if (volts != slider.value) {
      slider.value = volts;
      Ch_U_LPG_changerValueChange();  // the box shows the number in the slider's format
    }
  }
  if (sender != kSensorList) {
    slider.visible = true;
    model_.focused = "Ch_U_LPG_changer";
  }
  Send({kThresholdEditing, 0x01});
}

void SettingCommands::Ch_U_LPG_changerValueChange() {
  const std::string text = platform::FormatGeneral(codes::ThresholdLocale(), model_.Ch_U_LPG_changer.value, 3);
  for (auto& box : model_.Ch_U_LPG)
    if (box.color == colors::kGreen) box.text = text;
}

void SettingCommands::Ch_U_LPG_X_Change(int sender) {
  auto& list = model_.Rodz_czuj_LPG;
  if (sender == kSensorList) {
    const std::string sensor = VisibleText(list);
    for (const auto& d : kDefaultThresholds)
      if (sensor == d.sensor)
        for (std::size_t k = 0; k < model_.Ch_U_LPG.size(); ++k) model_.Ch_U_LPG[k].text = d.boxes[k];
  }
  std::uint8_t sensorCode = 0;
  if (codes::ValidItem(codes::kLevelSensorCodes, list.index)) {
    sensorCode = codes::kLevelSensorCodes[static_cast<std::size_t>(list.index)];
  } else if (link_.SettingsImage.size() > si::kLevelSensor) {
    sensorCode = link_.SettingsImage[si::kLevelSensor];  // a code outside the table goes back unchanged
  } else {
    return;  // no item and no settings block: no sensor code to send
  }
  Bytes command{kLevelSensor};
  for (const auto& box : model_.Ch_U_LPG) command.push_back(Scaled(Volts(box.text), si::kThresholdCountsPerVolt));
  command.push_back(sensorCode);
  Send(command, {kThresholdEditing, 0x00});
  model_.focused = "U_zbiornika";
}

void SettingCommands::Ch_U_LPG_X_Exit() {
  for (auto& box : model_.Ch_U_LPG) box.color = colors::kWindow;
  model_.Ch_U_LPG_changer.visible = false;
}

// --- Corrections and the fuel switch ---------------------------------------------

void SettingCommands::KorChange(std::size_t) {
  Bytes command{kCorrections};
  for (const auto& kor : model_.Kor) command.push_back(Low8(platform::RoundHalfEven(Clamped(kor)) + 128));
  Send(command);
}

void SettingCommands::paliwo_SwitchClick(FuelSender sender, int adaptationState) {
  const std::uint8_t mask = CylinderMaskFromLamps();
  switch (sender) {
    case FuelSender::kAdaptation:
      if (adaptationState == 0) {
        Send({kAdaptationStart}, {kFuelSwitch, kAskPetrol, mask});
      } else {
        Send({kFuelSwitch, kAskPetrol, mask});
      }
      break;
    case FuelSender::kCylinderLamp:
      Send({kFuelSwitch, kAskGas, mask});
      break;
    case FuelSender::kUser:
      Send({kFuelSwitch, model_.paliwo_Switch.on ? kAskPetrol : kAskGas, mask});
      break;
  }
}

}  // namespace tavu
