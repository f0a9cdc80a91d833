#pragma once
// The main window: draws the window model and forwards the user's events to the
// tool's handlers. It decides nothing itself: after every handler, and after
// every serial or timer event, refresh() copies the model into the widgets.
#include <QMainWindow>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/tool.h"

class QAction;
class QActionGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QTabWidget;

namespace tavu::ui {

class Led;
class ToggleSwitch;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(Tool& tool, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Copies the whole model into the widgets.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildHeader();
  void buildTabs();
  void buildStatusBar();
  void rebuildPortMenu();
  void refreshMenus();
  void refreshHeader();
  void refreshTabs();
  // Runs a handler of the tool, then redraws.
  void handle(const std::function<void()>& handler);

  Tool& tool_;
  bool refreshing_ = false;  // set while refresh() writes to the widgets

  QMenu* fileMenu_ = nullptr;
  QMenu* portMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  QActionGroup* languageGroup_ = nullptr;
  std::vector<std::string> portMenuNames_;  // the model's items the port menu was built from

  QFrame* panel1Gora_ = nullptr;
  QGroupBox* zaplonPanel_ = nullptr;
  ToggleSwitch* polaczSwitch_ = nullptr;
  ToggleSwitch* paliwoSwitch_ = nullptr;
  Led* rezerwaLedGora_ = nullptr;
  std::array<Led*, 4> gazLeds_{};
  std::array<Led*, 8> cylLeds_{};
  QLabel* errorLed_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::array<QLabel*, 2> statusPanels_{};
};

}  // namespace tavu::ui
