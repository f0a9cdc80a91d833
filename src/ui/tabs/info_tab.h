#pragma once
// The "Info" tab: the product's picture, its web and e-mail link labels on the
// panel Panel1, and the eight flag buttons that choose the language.
#include <array>

#include "ui/tab_page.h"

class QFrame;
class QLabel;
class QPushButton;

namespace tavu::ui {

class InfoTab : public TabPage {
  Q_OBJECT
 public:
  explicit InfoTab(Tool& tool, QWidget* parent = nullptr);
  void refresh() override;

 protected:
  // The mouse over the labels and over the bare panel.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QFrame* panel_;
  std::array<QLabel*, 4> links_{};
  std::array<QPushButton*, 8> flags_{};
};

}  // namespace tavu::ui
