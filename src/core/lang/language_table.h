#pragma once
// The language table: 145 rows of nine texts. Column 0 is a row's current text,
// which other parts read whenever they show a message; columns 1 to 8 hold the
// row in German, English, Polish, Russian, Czech, Turkish, Thai and Greek.
//
// For now only column 0 is filled, with the built-in texts of the message rows
// (0-22, 130-134, 137). The eight language columns come later from a data file
// through SetCell, and the language switch copies a column into column 0 with
// UseColumn; nothing here needs to change for that.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tavu {

class LanguageTable {
 public:
  static constexpr std::size_t kRows = 145;
  static constexpr std::size_t kColumns = 9;
  static constexpr std::size_t kCurrent = 0;  // the current-text column

  // Column 0 holds the built-in texts of the message rows; every other cell is empty.
  LanguageTable();

  // Column 0 of the row: its current text. Empty for a row outside the table.
  const std::string& Text(std::size_t row) const { return Cell(row, kCurrent); }
  const std::string& Cell(std::size_t row, std::size_t column) const;
  // Writes one cell; a row or column outside the table is ignored.
  void SetCell(std::size_t row, std::size_t column, std::string text);
  // Copies the row's text of `column` into column 0 (a language change).
  void UseColumn(std::size_t row, std::size_t column);

 private:
  std::vector<std::array<std::string, kColumns>> rows_;
};

// Names of the message rows that other parts show.
namespace lang_row {
inline constexpr std::size_t kVoltageError = 0;
inline constexpr std::size_t kPressureHigh = 1;
inline constexpr std::size_t kPressureLow = 2;
inline constexpr std::size_t kIgnitionVoltageLow = 3;
inline constexpr std::size_t kNoPetrolInjection = 4;
inline constexpr std::size_t kPetrolSystemFault = 5;
inline constexpr std::size_t kInjectorError = 6;
inline constexpr std::size_t kBadSettings = 7;
inline constexpr std::size_t kSupplyError = 8;
inline constexpr std::size_t kGasTimeTooLong = 9;
inline constexpr std::size_t kFactoryResetQuestion = 10;
inline constexpr std::size_t kNoController = 11;
inline constexpr std::size_t kChooseComPort = 12;
inline constexpr std::size_t kStartEngine = 13;
inline constexpr std::size_t kBadMapQuestion = 14;
inline constexpr std::size_t kBadP1Question = 15;
inline constexpr std::size_t kTemperatureTooLow = 16;
inline constexpr std::size_t kAdaptationRunning = 17;
inline constexpr std::size_t kMultiplierPrefix = 18;
inline constexpr std::size_t kAdaptationDone = 19;
inline constexpr std::size_t kAdaptationCancelled = 20;
inline constexpr std::size_t kUnlockMapQuestion = 21;
inline constexpr std::size_t kLockMapQuestion = 22;
inline constexpr std::size_t kKilometres = 130;
inline constexpr std::size_t kHours = 131;
inline constexpr std::size_t kMinutes = 132;
inline constexpr std::size_t kSeconds = 133;
inline constexpr std::size_t kDays = 134;
inline constexpr std::size_t kNewerToolPrefix = 137;
}  // namespace lang_row

}  // namespace tavu
