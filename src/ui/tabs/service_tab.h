#pragma once
// The "Serwis" tab: work times on petrol and on gas with their distances, the
// gas share, the km factor, the service interval and what is left of it, and
// the dates of the first and the last adaptation.
#include "ui/tab_page.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace tavu::ui {

class NumericSpin;

class ServiceTab : public TabPage {
  Q_OBJECT
 public:
  explicit ServiceTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

  // The date of a day count (days since 30 December 1899).
  static QDate DateOf(double dayCount);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QGroupBox *petrolBox_, *gasBox_, *factorBox_, *serviceBox_;
  QLineEdit *petrolTime_, *petrolKm_, *gasTime_, *gasKm_, *dueTime_, *dueKm_;
  QProgressBar* gasShare_;
  QLabel *hourLabel_, *kmLabel_, *hoursLabel_, *kmsLabel_, *firstLabel_, *lastLabel_;
  NumericSpin *factor_, *hours_, *kms_;
  QPushButton *setService_, *resetAlarm_;
  QDateEdit *firstDate_, *lastDate_;
  QLineEdit *firstTime_, *lastTime_;
};

}  // namespace tavu::ui
