#pragma once
// The tab "Panel Gaz": the gas injector type, the fuel kind, the sensors and
// the pressures the adaptation works to.
#include <array>

#include "ui/bindings.h"
#include "ui/tab_page.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace tavu::ui {

class VerticalSlider;

class GasTab : public TabPage {
  Q_OBJECT
 public:
  explicit GasTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 private:
  // A pressure slider with its caption above and its reading below.
  struct PressureSlider {
    QLabel* caption = nullptr;
    VerticalSlider* slider = nullptr;
    QLabel* reading = nullptr;
  };
  PressureSlider addSlider(int column, const QString& name, window::Slider& model, void (SettingCommands::*handler)());
  void showSlider(const PressureSlider& view, const window::Slider& model);

  QGroupBox* groupBox12_ = nullptr;
  QComboBox* selTypWtrysku_ = nullptr;
  QGroupBox* groupBox15_ = nullptr;
  QRadioButton* lpg_ = nullptr;
  QRadioButton* cng_ = nullptr;
  QButtonGroup* fuel_ = nullptr;
  QGroupBox* groupBox19_ = nullptr;
  QLabel* label20_ = nullptr;
  QComboBox* p1MapChanger_ = nullptr;
  QLabel* label21_ = nullptr;
  QComboBox* tRedChanger_ = nullptr;
  QLabel* label22_ = nullptr;
  QComboBox* tGazChanger_ = nullptr;
  QGroupBox* groupBox14_ = nullptr;
  PressureSlider pPracy_, pMin_;
};

}  // namespace tavu::ui
