#pragma once
// The tab "Diagnostyka": for each cylinder its petrol injection time and the
// gas time estimated from it, and the per-cylinder gas injector corrections.
#include <array>

#include "ui/tab_page.h"

class QGroupBox;
class QLabel;

namespace tavu::ui {

class LedBar;
class NumericSpin;

class DiagnosticsTab : public TabPage {
  Q_OBJECT
 public:
  explicit DiagnosticsTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 private:
  std::array<LedBar*, 8> petrolBars_{};
  std::array<LedBar*, 8> gasBars_{};
  QLabel* label6_ = nullptr;
  QLabel* label5_ = nullptr;
  QGroupBox* panelKorekta_ = nullptr;
  std::array<NumericSpin*, 8> kor_{};
};

}  // namespace tavu::ui
