#pragma once
// The tab "Panel Petrol": the petrol side of the engine: cylinders, ignition
// pulses, the speed signal, the engine type, the injectors' polarity and the
// full-group injection, with the hidden lists the window keeps.
#include "ui/bindings.h"
#include "ui/tab_page.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace tavu::ui {

class PetrolTab : public TabPage {
  Q_OBJECT
 public:
  explicit PetrolTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 private:
  // Runs a setting handler and asks for a redraw.

  QGroupBox* groupBox25_ = nullptr;
  QLabel* label34_ = nullptr;
  QComboBox* selCyl_ = nullptr;
  QLabel* label35_ = nullptr;
  QComboBox* selImpuls_ = nullptr;
  QLabel* label36_ = nullptr;
  QComboBox* selRpmSignal_ = nullptr;
  QLabel* label37_ = nullptr;
  QComboBox* selTypSilnika_ = nullptr;
  QLabel* label40_ = nullptr;
  QCheckBox* checkInjectorPlus_ = nullptr;
  QCheckBox* fullGroup_ = nullptr;
  QLabel* label38_ = nullptr;
  QComboBox* selTypWtryskuPetrol_ = nullptr;
  QLabel* label39_ = nullptr;
  QComboBox* comboBox17_ = nullptr;
  QComboBox* szybkosc_ = nullptr;
  QCheckBox* wykresCheckBox_ = nullptr;
};

}  // namespace tavu::ui
