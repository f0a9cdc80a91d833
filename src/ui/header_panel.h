#pragma once
// The dashboard in the window header: the instruments that follow the engine
// and the gas system live, the cylinder lamps with their radio buttons, the
// connect switch, the fuel switch with the level lamps, and the error strip.
#include <QWidget>
#include <array>
#include <functional>

#include "core/tool.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace tavu::ui {

class Led;
class LedBar;
class LinearMeter;
class MultiColorBar;
class RoundMeter;
class Thermometer;
class ToggleSwitch;
class ValueIndicator;

class HeaderPanel : public QWidget {
  Q_OBJECT
 public:
  explicit HeaderPanel(Tool& tool, QWidget* parent = nullptr);
  // Copies the dashboard's controls from the model into the widgets.
  void refresh();
  // The dashboard's height is that of its tallest column, whatever its width:
  // the round meter's wish to be as tall as wide stays inside its column
  // instead of making the whole window taller.
  bool hasHeightForWidth() const override { return false; }

 protected:
  // A click on the error strip.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  // A user action has run a handler; the window is to be redrawn.
  void acted();

 private:
  QGroupBox* buildInjectionTimes();
  QGroupBox* buildInjectors();
  QGroupBox* buildLambda();
  QGroupBox* buildPressures();
  QGroupBox* buildPort();
  QGroupBox* buildRpm();
  QGroupBox* buildTemperatures();
  QGroupBox* buildFuelSwitch();
  void handle(const std::function<void()>& handler);

  Tool& tool_;

  QGroupBox* groupBox6_ = nullptr;
  LedBar* skalaPbTime_ = nullptr;
  LedBar* skalaLpgTime_ = nullptr;
  QLabel* label3_ = nullptr;
  QLabel* label4_ = nullptr;

  QGroupBox* aaa_ = nullptr;
  std::array<Led*, 8> cylLeds_{};
  std::array<QRadioButton*, 8> cylShow_{};
  QButtonGroup* cylShowGroup_ = nullptr;

  QGroupBox* groupBox4_ = nullptr;
  MultiColorBar* lambda1_ = nullptr;
  MultiColorBar* lambda2_ = nullptr;

  QGroupBox* groupBox3_ = nullptr;
  LinearMeter* slalaPMap_ = nullptr;
  ValueIndicator* pMapEdit_ = nullptr;
  LinearMeter* skalaP1Map_ = nullptr;
  ValueIndicator* p1MapEdit_ = nullptr;

  QGroupBox* groupBox5_ = nullptr;
  ToggleSwitch* polaczSwitch_ = nullptr;

  ValueIndicator* bateryVpp_ = nullptr;

  QGroupBox* groupBox7_ = nullptr;
  RoundMeter* rpmZegar_ = nullptr;
  ValueIndicator* rpmEdit_ = nullptr;

  QGroupBox* groupBox8_ = nullptr;
  Thermometer* tempGaz_ = nullptr;
  Thermometer* tempWoda_ = nullptr;

  QGroupBox* zaplonPanel_ = nullptr;
  ToggleSwitch* paliwoSwitch_ = nullptr;
  Led* rezerwaLedGora_ = nullptr;
  std::array<Led*, 4> gazLeds_{};

  QLabel* errorLed_ = nullptr;
};

}  // namespace tavu::ui
