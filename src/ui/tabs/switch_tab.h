#pragma once
// The tab "Przełącznik": when to switch to petrol and when to gas (dials), and
// the gas level indicator with its sensor type and four thresholds, edited on
// a slider that appears over the threshold being changed.
#include <QString>
#include <array>

#include "ui/bindings.h"
#include "ui/tab_page.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tavu::ui {

class Dial;
class Led;
class VerticalSlider;

class SwitchTab : public TabPage {
  Q_OBJECT
 public:
  explicit SwitchTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A dial with its second signal name above it.
  struct NamedDial {
    QLabel* name = nullptr;
    Dial* dial = nullptr;
    const window::Dial* model = nullptr;
  };
  NamedDial addDial(QGroupBox* group, int column, const QString& name, window::Dial& model, int step,
                    void (SettingCommands::*handler)());
  QGroupBox* buildLevelIndicator();
  // Puts the threshold slider over the threshold box its model position names.
  void placeThresholdSlider();

  QGroupBox* groupBox17_ = nullptr;
  QGroupBox* groupBox13_ = nullptr;
  std::array<NamedDial, 8> dials_{};
  QLabel* label24_ = nullptr;
  QCheckBox* checkByFirst_ = nullptr;

  QGroupBox* groupBox18_ = nullptr;
  QLabel* label16_ = nullptr;
  QLineEdit* uZbiornika_ = nullptr;
  QLabel* label17_ = nullptr;
  QComboBox* rodzCzujLpg_ = nullptr;
  Led* rezerwaLedPanel_ = nullptr;
  std::array<Led*, 4> gazLeds_{};
  std::array<QLineEdit*, 4> thresholds_{};
  VerticalSlider* thresholdSlider_ = nullptr;
};

}  // namespace tavu::ui
