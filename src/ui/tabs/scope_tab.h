#pragma once
// The "Oscyloskop" tab: the two-channel recorder and the five radio buttons
// that choose the pair of live values it records.
#include <array>
#include <cstdint>

#include "ui/tab_page.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;

namespace tavu::ui {

class TrendRecorder;

class ScopeTab : public TabPage {
  Q_OBJECT
 public:
  explicit ScopeTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 private:
  TrendRecorder* recorder_;
  QGroupBox* group_;
  QButtonGroup* choice_;
  std::array<QRadioButton*, 5> buttons_{};
  std::uint64_t drawn_ = 0;  // recorder samples handed to the widget
};

}  // namespace tavu::ui
