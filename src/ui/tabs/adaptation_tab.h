#pragma once
// The "Adaptacja" tab: the adaptation's progress bar, its information text and
// the buttons "START" and "STOP".
#include "ui/tab_page.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tavu::ui {

class AdaptationTab : public TabPage {
  Q_OBJECT
 public:
  explicit AdaptationTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* heading_;
  QProgressBar* progress_;
  QLabel* info_;
  QPushButton* start_;
  QPushButton* stop_;
};

}  // namespace tavu::ui
