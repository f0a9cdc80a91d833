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
class QLabel;
class QMenu;
class QTabWidget;

namespace tavu::ui {

class HeaderPanel;
class TabPage;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kInitialWidth = 795;
  static constexpr int kInitialHeight = 590;

  explicit MainWindow(Tool& tool, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Copies the whole model into the widgets. A handler that runs while the
  // widgets are being written (a focus change the redraw caused) gets its
  // redraw once this one is done.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildTabs();
  void buildStatusBar();
  void rebuildPortMenu();
  void refreshOnce();
  void refreshMenus();
  void refreshTabs();
  // Moves the keyboard focus where the core asked for it.
  void applyFocus();
  // Runs a handler of the tool, then redraws.
  void handle(const std::function<void()>& handler);

  Tool& tool_;
  bool refreshing_ = false;    // set while refresh() writes to the widgets
  bool refreshAgain_ = false;  // a handler ran during the redraw

  QMenu* fileMenu_ = nullptr;
  QMenu* portMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  QActionGroup* languageGroup_ = nullptr;
  std::vector<std::string> portMenuNames_;  // the model's items the port menu was built from

  QFrame* panel1Gora_ = nullptr;
  HeaderPanel* header_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  std::vector<TabPage*> pages_;
  std::array<QLabel*, 2> statusPanels_{};
};

}  // namespace tavu::ui
