#include "core/lang/language_table.h"

#include <utility>

namespace tavu {
namespace {

struct BuiltIn {
  std::size_t row;
  const char* text;
};

// Column 0 before any language is applied (texts exact, spaces included).
constexpr BuiltIn kBuiltIn[] = {
    {0, " - Błąd napięcia"},
    {1, " - Cisnienie gazu za wysokie"},
    {2, " - Cisnienie gazu za niskie"},
    {3, " - Napięcie stacyjki za niskie"},
    {4, " - Brak wtrysku benzyny"},
    {5, " - Błędna praca układu benzynowego"},
    {6, " - Błąd wtryskiwacza : "},
    {7, " - Złe ustawienia"},
    {8, " - Błąd zasilania"},
    {9, " - Za długi czas wtrysku gazu"},
    {10, "Czy chcesz wykonać reset sterownika i przywrócić ustawienia fabryczne ?"},
    {11, "Time out - błąd w transmisji (Brak Strownika) "},
    {12, "Prosze wybrać port COM"},
    {13, "Uruchom silnik"},
    {14, "Błędna wartość P MAP - dalej ?"},
    {15, "Błędna wartość P1  - dalej ?"},
    {16, "Temperatura zbyt niska poczekaj na 50 stopni"},
    {17, "Proszę czekać adaptacja w toku .."},
    {18, "Wyliczono mnożnik = "},
    {19, "Adaptacja zakończona pomyślnie"},
    {20, "Adaptacja anulowana .."},
    {21, "odblokować mapę benzynową?"},
    {22, "zablokować mapę benzynową?"},
    {130, "km"},
    {131, "godz"},
    {132, "min"},
    {133, "sek"},
    {134, "dni"},
    {137, "Użyj wersji wyższej niż "},
};

const std::string kEmpty;

}  // namespace

LanguageTable::LanguageTable() : rows_(kRows) {
  for (const auto& [row, text] : kBuiltIn) rows_[row][kCurrent] = text;
}

const std::string& LanguageTable::Cell(std::size_t row, std::size_t column) const {
  if (row >= rows_.size() || column >= kColumns) return kEmpty;
  return rows_[row][column];
}

void LanguageTable::SetCell(std::size_t row, std::size_t column, std::string text) {
  if (row >= rows_.size() || column >= kColumns) return;
  rows_[row][column] = std::move(text);
}

void LanguageTable::UseColumn(std::size_t row, std::size_t column) {
  if (row >= rows_.size() || column >= kColumns || column == kCurrent) return;
  rows_[row][kCurrent] = rows_[row][column];
}

}  // namespace tavu
