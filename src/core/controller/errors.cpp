#include "core/controller/errors.h"

#include <algorithm>

namespace tavu {
namespace {

constexpr std::size_t kErrorFlags1 = 34;
constexpr std::size_t kInjectorErrors = 35;
constexpr std::size_t kErrorFlags2 = 48;
constexpr std::size_t kRegisterLength = 40;
constexpr std::uint8_t kNoInjectorError = 0xFF;

// Byte 34 bits 2..7 and byte 48 bits 0..1: the message row of a bit at 0.
constexpr std::size_t kFlags1Rows[] = {lang_row::kVoltageError,        lang_row::kPressureHigh,
                                       lang_row::kPressureLow,         lang_row::kIgnitionVoltageLow,
                                       lang_row::kNoPetrolInjection,   lang_row::kPetrolSystemFault};
constexpr std::size_t kFlags2Rows[] = {lang_row::kBadSettings, lang_row::kSupplyError};

// Register codes 1..8: the message row of each.
constexpr std::size_t kRegisterRows[] = {lang_row::kGasTimeTooLong,     lang_row::kVoltageError,
                                         lang_row::kPressureHigh,       lang_row::kPressureLow,
                                         lang_row::kIgnitionVoltageLow, lang_row::kNoPetrolInjection,
                                         lang_row::kPetrolSystemFault,  lang_row::kSupplyError};

constexpr const char* kErrorTab = "TabSheet5";

}  // namespace

Errors::Errors(window::WindowModel& model, LinkEngine& link, const LanguageTable& texts)
    : model_(model), link_(link), texts_(texts) {}

std::string Errors::Line(int number, std::size_t row) const { return std::to_string(number) + texts_.Text(row); }

std::string Errors::InjectorLine(int number, std::uint8_t mask) const {
  std::string line = Line(number, lang_row::kInjectorError);
  for (int k = 1; k <= 8; ++k) {
    if ((mask & (1u << (k - 1))) == 0) {
      line += ' ';
      line += static_cast<char>('0' + k);
    }
  }
  return line;
}

void Errors::ListCurrentErrors(const Bytes& frame) {
  if (frame.size() <= kErrorFlags2) return;
  auto& lines = model_.Actual_errors_Memo.lines;
  lines.clear();
  int n = 1;
  const std::uint8_t flags1 = frame[kErrorFlags1];
  for (int bit = 2; bit <= 7; ++bit)
    if ((flags1 & (1u << bit)) == 0) lines.push_back(Line(n++, kFlags1Rows[bit - 2]));
  const std::uint8_t injectors = frame[kInjectorErrors];
  if (injectors != kNoInjectorError) lines.push_back(InjectorLine(n++, injectors));
  const std::uint8_t flags2 = frame[kErrorFlags2];
  for (int bit = 0; bit <= 1; ++bit)
    if ((flags2 & (1u << bit)) == 0) lines.push_back(Line(n++, kFlags2Rows[bit]));

  model_.Error_Led.visible = !lines.empty();
  // The blink runs on every frame, shown or not.
  model_.Error_Led.color = model_.Error_Led.color == colors::kRed ? colors::kLightRed : colors::kRed;
}

void Errors::ListRegisteredErrors(const Bytes& reg) {
  auto& lines = model_.Register_errors_memo.lines;
  lines.clear();
  int n = 1;
  const std::size_t end = std::min(kRegisterLength, reg.size());
  for (std::size_t p = 0; p < end;) {
    const std::uint8_t code = reg[p];
    if (code == 0) {
      // The mask follows; for an entry in the last register byte it is the byte after the register.
      const std::uint8_t mask = p + 1 < reg.size() ? reg[p + 1] : kNoInjectorError;
      lines.push_back(InjectorLine(n++, mask));
      p += 2;
    } else {
      if (code <= 8) lines.push_back(Line(n++, kRegisterRows[code - 1]));
      p += 1;
    }
  }
}

void Errors::Button2Click() {
  link_.CommandAttempts = 5;
  link_.QueueCommand({0x10, 0x00});
  model_.Actual_errors_Memo.lines.clear();
  model_.Register_errors_memo.lines.clear();
}

void Errors::Error_LedClick() { model_.tab_control.active = kErrorTab; }

}  // namespace tavu
