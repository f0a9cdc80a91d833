#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <map>

#include "ui/bindings.h"
#include "ui/header_panel.h"
#include "ui/qt_convert.h"
#include "ui/tabs/adaptation_tab.h"
#include "ui/tabs/diagnostics_tab.h"
#include "ui/tabs/error_tab.h"
#include "ui/tabs/gas_tab.h"
#include "ui/tabs/help_tab.h"
#include "ui/tabs/info_tab.h"
#include "ui/tabs/map_tab.h"
#include "ui/tabs/petrol_tab.h"
#include "ui/tabs/scope_tab.h"
#include "ui/tabs/service_tab.h"
#include "ui/tabs/switch_tab.h"

namespace tavu::ui {
namespace {

void Show(QAction* action, const window::MenuItem& item) {
  const QString text = ToQString(item.caption);
  if (action->text() != text) action->setText(text);
  if (action->isVisible() != item.visible) action->setVisible(item.visible);
  if (action->isEnabled() != item.enabled) action->setEnabled(item.enabled);
  if (action->isChecked() != item.checked) action->setChecked(item.checked);
}

// The page of each tab, by the tab's window name.
TabPage* MakePage(const std::string& tab, Tool& tool) {
  static const std::map<std::string, TabPage* (*)(Tool&)> kPages{
      {"TabSheet1", [](Tool& t) -> TabPage* { return new PetrolTab(t); }},
      {"TabSheet2", [](Tool& t) -> TabPage* { return new GasTab(t); }},
      {"TabSheet3", [](Tool& t) -> TabPage* { return new AdaptationTab(t); }},
      {"TabSheet4", [](Tool& t) -> TabPage* { return new MapTab(t); }},
      {"TabSheet5", [](Tool& t) -> TabPage* { return new ErrorTab(t); }},
      {"TabSheet7", [](Tool& t) -> TabPage* { return new ScopeTab(t); }},
      {"TabSheet8", [](Tool& t) -> TabPage* { return new DiagnosticsTab(t); }},
      {"TabSheet9", [](Tool& t) -> TabPage* { return new SwitchTab(t); }},
      {"TabSheet10", [](Tool& t) -> TabPage* { return new ServiceTab(t); }},
      {"TabSheet11", [](Tool& t) -> TabPage* { return new HelpTab(t); }},
      {"TabSheet12", [](Tool& t) -> TabPage* { return new InfoTab(t); }},
  };
  const auto it = kPages.find(tab);
  return it == kPages.end() ? nullptr : it->second(tool);
}

}  // namespace

MainWindow::MainWindow(Tool& tool, QWidget* parent) : QMainWindow(parent), tool_(tool) {
  Named(this, QStringLiteral("TTAVU"));
  resize(kInitialWidth, kInitialHeight);

  panel1Gora_ = Named(new QFrame(this), QStringLiteral("Panel1Gora"));
  panel1Gora_->setAutoFillBackground(true);
  auto* column = new QVBoxLayout(panel1Gora_);
  column->setContentsMargins(4, 2, 4, 2);
  column->setSpacing(2);
  header_ = new HeaderPanel(tool_, panel1Gora_);
  connect(header_, &HeaderPanel::acted, this, &MainWindow::refresh);
  column->addWidget(header_);
  buildTabs();
  column->addWidget(tabs_, 1);
  setCentralWidget(panel1Gora_);

  buildMenus();
  buildStatusBar();

  tool_.setOnChanged([this] { refresh(); });
  refresh();
}

MainWindow::~MainWindow() { tool_.setOnChanged(nullptr); }

void MainWindow::handle(const std::function<void()>& handler) {
  handler();
  refresh();
}

void MainWindow::buildMenus() {
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  const auto& m = tool_.model();

  fileMenu_ = menuBar()->addMenu(ToQString(m.Pliki1.caption));
  fileMenu_->setObjectName(ToQString(m.Pliki1.name));
  for (const auto& item : m.Pliki1.items) {
    QAction* action = fileMenu_->addAction(ToQString(item.caption));
    action->setObjectName(ToQString(item.name));
    if (item.name == "Exit1") connect(action, &QAction::triggered, this, &QWidget::close);
    // Odczyt1, Zapis1 and Reset1 are wired when the data file is built.
  }

  portMenu_ = menuBar()->addMenu(ToQString(m.PortCOM.caption));
  portMenu_->setObjectName(ToQString(m.PortCOM.name));
  rebuildPortMenu();

  languageMenu_ = menuBar()->addMenu(ToQString(m.Jazyk.caption));
  languageMenu_->setObjectName(ToQString(m.Jazyk.name));
  languageGroup_ = new QActionGroup(this);
  // Optional, so that the model alone says which language is checked.
  languageGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (const auto& item : m.Jazyk.items) {
    QAction* action = languageMenu_->addAction(ToQString(item.caption));
    action->setObjectName(ToQString(item.name));
    action->setCheckable(true);
    languageGroup_->addAction(action);
    connect(action, &QAction::triggered, this,
            [this, name = item.name] { handle([&] { tool_.session().LanguageClick(name); }); });
  }
}

void MainWindow::rebuildPortMenu() {
  const auto& items = tool_.model().PortCOM.items;
  std::vector<std::string> names;
  for (const auto& item : items) names.push_back(item.name);
  if (names == portMenuNames_) return;
  portMenuNames_ = names;

  for (QAction* action : portMenu_->actions()) {
    portMenu_->removeAction(action);
    action->deleteLater();
  }
  for (const auto& item : items) {
    QAction* action = portMenu_->addAction(ToQString(item.caption));
    action->setObjectName(ToQString(item.name));
    const std::string name = item.name;
    if (name == "polacz") {
      connect(action, &QAction::triggered, this, [this] { handle([&] { tool_.session().polaczClick(); }); });
    } else if (name == "rozlacz1") {
      connect(action, &QAction::triggered, this, [this] { handle([&] { tool_.session().rozlacz1Click(); }); });
    } else {
      action->setCheckable(true);
      connect(action, &QAction::triggered, this,
              [this, name] { handle([&] { tool_.session().zmien_port_COM(name); }); });
    }
  }
}

void MainWindow::buildTabs() {
  tabs_ = Named(new QTabWidget(panel1Gora_), QStringLiteral("tab_control"));
  tabs_->setDocumentMode(true);
  for (const auto& tab : tool_.model().tab_control.tabs) {
    TabPage* page = MakePage(tab.name, tool_);
    if (page == nullptr) continue;
    Named(page, ToQString(tab.name));
    connect(page, &TabPage::acted, this, &MainWindow::refresh);
    pages_.push_back(page);
    // Drawn before the tab control first measures it, so its hidden controls
    // and its lists' items count from the start.
    page->refresh();
    tabs_->addTab(page, ToQString(tab.caption));
  }
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (refreshing_ || index < 0) return;
    tool_.model().tab_control.active = tabs_->widget(index)->objectName().toStdString();
  });
}

void MainWindow::buildStatusBar() {
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    statusPanels_[i] = Named(new QLabel(statusBar()), QStringLiteral("StatusBar1_panel%1").arg(i));
    statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const int width = tool_.model().StatusBar1[i].width;
    if (width > 0) {
      statusPanels_[i]->setFixedWidth(width);
      statusBar()->addWidget(statusPanels_[i]);
    } else {
      statusBar()->addWidget(statusPanels_[i], 1);
    }
  }
}

void MainWindow::refresh() {
  if (refreshing_) {
    refreshAgain_ = true;
    return;
  }
  refreshing_ = true;
  do {
    refreshAgain_ = false;
    refreshOnce();
  } while (refreshAgain_);
  refreshing_ = false;
}

void MainWindow::refreshOnce() {
  const auto& m = tool_.model();
  const QString title = ToQString(m.caption);
  if (windowTitle() != title) setWindowTitle(title);
  refreshMenus();
  header_->refresh();
  ShowColor(panel1Gora_, QPalette::Window, m.Panel1Gora.color);
  refreshTabs();
  for (TabPage* page : pages_) page->refresh();
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    ShowText(statusPanels_[i], ToQString(m.StatusBar1[i].text));
    window::Control panel;
    panel.visible = m.StatusBar1[i].visible;
    ShowState(statusPanels_[i], panel);
  }
  // A greyed window takes no input.
  if (panel1Gora_->isEnabled() != m.inputEnabled) panel1Gora_->setEnabled(m.inputEnabled);
  if (menuBar()->isEnabled() != m.inputEnabled) menuBar()->setEnabled(m.inputEnabled);
  applyFocus();
}

void MainWindow::refreshMenus() {
  const auto& m = tool_.model();
  const std::array<std::pair<QMenu*, const window::Menu*>, 3> menus{
      {{fileMenu_, &m.Pliki1}, {portMenu_, &m.PortCOM}, {languageMenu_, &m.Jazyk}}};
  rebuildPortMenu();
  for (const auto& [menu, model] : menus) {
    const QString title = ToQString(model->caption);
    if (menu->title() != title) menu->setTitle(title);
    if (menu->menuAction()->isVisible() != model->visible) menu->menuAction()->setVisible(model->visible);
    if (menu->isEnabled() != model->enabled) menu->setEnabled(model->enabled);
    for (QAction* action : menu->actions())
      if (const auto* item = model->find(action->objectName().toStdString())) Show(action, *item);
  }
}

void MainWindow::refreshTabs() {
  const auto& control = tool_.model().tab_control;
  for (int i = 0; i < tabs_->count(); ++i) {
    const auto* tab = control.find(tabs_->widget(i)->objectName().toStdString());
    if (!tab) continue;
    const QString text = ToQString(tab->caption);
    if (tabs_->tabText(i) != text) tabs_->setTabText(i, text);
    if (tabs_->isTabVisible(i) != tab->visible) tabs_->setTabVisible(i, tab->visible);
    if (tabs_->isTabEnabled(i) != tab->enabled) tabs_->setTabEnabled(i, tab->enabled);
    if (i != tabs_->currentIndex() && tabs_->widget(i)->objectName().toStdString() == control.active)
      tabs_->setCurrentIndex(i);
  }
}

void MainWindow::applyFocus() {
  auto& focused = tool_.model().focused;
  if (focused.empty()) return;
  QWidget* target = findChild<QWidget*>(ToQString(focused));
  focused.clear();  // the request is carried out once
  if (target != nullptr) target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  handle([&] { tool_.session().FormClose(); });
  QMainWindow::closeEvent(event);
}

}  // namespace tavu::ui
