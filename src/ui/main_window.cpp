#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/instruments/led.h"
#include "ui/instruments/toggle_switch.h"
#include "ui/qt_convert.h"

namespace tavu::ui {
namespace {

constexpr int kInitialWidth = 795;
constexpr int kInitialHeight = 590;

void Show(QAction* action, const window::MenuItem& item) {
  action->setText(ToQString(item.caption));
  action->setVisible(item.visible);
  action->setEnabled(item.enabled);
  action->setChecked(item.checked);
}

void Paint(QWidget* widget, const Rgb& color) {
  QPalette palette = widget->palette();
  if (palette.color(QPalette::Window) == ToQColor(color)) return;
  palette.setColor(QPalette::Window, ToQColor(color));
  widget->setPalette(palette);
}

void Show(Led* led, const window::Lamp& lamp) {
  led->setColors(ToQColor(lamp.onColor), ToQColor(lamp.offColor));
  led->setOn(lamp.on);
  led->setFlashing(lamp.flashing);
  led->setCaption(ToQString(lamp.caption));
  led->setVisible(lamp.visible);
}

void Show(ToggleSwitch* toggle, const window::Toggle& model) {
  toggle->setTexts(ToQString(model.offText), ToQString(model.onText));
  toggle->setColors(ToQColor(model.offColor), ToQColor(model.onColor));
  toggle->setOn(model.on);
  toggle->setVisible(model.visible);
  toggle->setEnabled(model.enabled);
}

QGroupBox* Group(const char* name, const std::string& caption, QWidget* parent) {
  auto* group = new QGroupBox(ToQString(caption), parent);
  group->setObjectName(QString::fromLatin1(name));
  return group;
}

}  // namespace

MainWindow::MainWindow(Tool& tool, QWidget* parent) : QMainWindow(parent), tool_(tool) {
  setObjectName(QStringLiteral("TTAVU"));
  resize(kInitialWidth, kInitialHeight);

  panel1Gora_ = new QFrame(this);
  panel1Gora_->setObjectName(QStringLiteral("Panel1Gora"));
  panel1Gora_->setAutoFillBackground(true);
  auto* column = new QVBoxLayout(panel1Gora_);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(2);
  column->addWidget(buildHeader());

  errorLed_ = new QLabel(panel1Gora_);
  errorLed_->setObjectName(QStringLiteral("Error_Led"));
  errorLed_->setAlignment(Qt::AlignCenter);
  errorLed_->setAutoFillBackground(true);
  errorLed_->setFixedHeight(16);
  column->addWidget(errorLed_);

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

QWidget* MainWindow::buildHeader() {
  const auto& m = tool_.model();
  auto* header = new QWidget(panel1Gora_);
  header->setObjectName(QStringLiteral("Panel1Gora_instruments"));
  auto* grid = new QGridLayout(header);
  grid->setContentsMargins(6, 0, 6, 0);
  // Four columns of instrument groups, left to right; the groups not placed yet
  // keep their room.
  const std::array<int, 4> widths{201, 193, 186, 161};
  for (int c = 0; c < 4; ++c) grid->setColumnMinimumWidth(c, widths[c]);
  grid->setRowStretch(0, 1);
  header->setMinimumHeight(250);

  auto* portGroup = Group("GroupBox5", "Port COM", header);
  auto* portLayout = new QHBoxLayout(portGroup);
  portLayout->setContentsMargins(6, 2, 6, 4);
  polaczSwitch_ = new ToggleSwitch(portGroup);
  polaczSwitch_->setObjectName(QStringLiteral("Polacz_switch"));
  polaczSwitch_->setFixedHeight(22);
  portLayout->addWidget(polaczSwitch_);
  connect(polaczSwitch_, &ToggleSwitch::toggled, this,
          [this](bool on) { handle([&] { tool_.session().Polacz_switchStatusChanged(on); }); });
  grid->addWidget(portGroup, 0, 2, Qt::AlignTop);

  auto* injectors = Group("aaa", "Aktywne inj. Gaz", header);
  auto* injectorRow = new QHBoxLayout(injectors);
  injectorRow->setContentsMargins(4, 2, 4, 4);
  for (std::size_t i = 0; i < cylLeds_.size(); ++i) {
    cylLeds_[i] = new Led(injectors);
    cylLeds_[i]->setObjectName(QStringLiteral("Cyl_%1_led").arg(i));
    injectorRow->addWidget(cylLeds_[i]);
  }
  grid->addWidget(injectors, 1, 0);

  zaplonPanel_ = Group("Zaplon_panel", m.Zaplon_panel.caption, header);
  zaplonPanel_->setAutoFillBackground(true);
  auto* switchGrid = new QGridLayout(zaplonPanel_);
  switchGrid->setContentsMargins(4, 2, 4, 4);
  paliwoSwitch_ = new ToggleSwitch(zaplonPanel_);
  paliwoSwitch_->setObjectName(QStringLiteral("paliwo_Switch"));
  paliwoSwitch_->setFixedHeight(22);
  switchGrid->addWidget(paliwoSwitch_, 0, 0, 1, 4);
  rezerwaLedGora_ = new Led(zaplonPanel_);
  rezerwaLedGora_->setObjectName(QStringLiteral("rezerwa_led_gora"));
  switchGrid->addWidget(rezerwaLedGora_, 0, 4);
  for (std::size_t i = 0; i < gazLeds_.size(); ++i) {
    gazLeds_[i] = new Led(zaplonPanel_);
    gazLeds_[i]->setObjectName(QStringLiteral("Gaz_led_%1g").arg(i + 1));
    switchGrid->addWidget(gazLeds_[i], 1, static_cast<int>(i));
  }
  grid->addWidget(zaplonPanel_, 1, 3);
  return header;
}

void MainWindow::buildTabs() {
  tabs_ = new QTabWidget(panel1Gora_);
  tabs_->setObjectName(QStringLiteral("tab_control"));
  for (const auto& tab : tool_.model().tab_control.tabs) {
    auto* page = new QWidget(tabs_);
    page->setObjectName(ToQString(tab.name));
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
    statusPanels_[i] = new QLabel(statusBar());
    statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1_panel%1").arg(i));
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
  refreshing_ = true;
  const auto& m = tool_.model();
  setWindowTitle(ToQString(m.caption));
  refreshMenus();
  refreshHeader();
  refreshTabs();
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    statusPanels_[i]->setText(ToQString(m.StatusBar1[i].text));
    statusPanels_[i]->setVisible(m.StatusBar1[i].visible);
  }
  // A greyed window takes no input.
  panel1Gora_->setEnabled(m.inputEnabled);
  menuBar()->setEnabled(m.inputEnabled);
  refreshing_ = false;
}

void MainWindow::refreshMenus() {
  const auto& m = tool_.model();
  const std::array<std::pair<QMenu*, const window::Menu*>, 3> menus{
      {{fileMenu_, &m.Pliki1}, {portMenu_, &m.PortCOM}, {languageMenu_, &m.Jazyk}}};
  rebuildPortMenu();
  for (const auto& [menu, model] : menus) {
    menu->setTitle(ToQString(model->caption));
    menu->menuAction()->setVisible(model->visible);
    menu->setEnabled(model->enabled);
    for (QAction* action : menu->actions())
      if (const auto* item = model->find(action->objectName().toStdString())) Show(action, *item);
  }
}

void MainWindow::refreshHeader() {
  const auto& m = tool_.model();
  Paint(panel1Gora_, m.Panel1Gora.color);
  Paint(zaplonPanel_, m.Zaplon_panel.color);
  zaplonPanel_->setTitle(ToQString(m.Zaplon_panel.caption));
  Show(polaczSwitch_, m.Polacz_switch);
  Show(paliwoSwitch_, m.paliwo_Switch);
  Show(rezerwaLedGora_, m.rezerwa_led_gora);
  for (std::size_t i = 0; i < gazLeds_.size(); ++i) Show(gazLeds_[i], m.Gaz_led_g[i]);
  for (std::size_t i = 0; i < cylLeds_.size(); ++i) Show(cylLeds_[i], m.Cyl_led[i]);

  errorLed_->setText(ToQString(m.Error_Led.caption));
  Paint(errorLed_, m.Error_Led.color);
  errorLed_->setVisible(m.Error_Led.visible);
}

void MainWindow::refreshTabs() {
  const auto& control = tool_.model().tab_control;
  for (int i = 0; i < tabs_->count(); ++i) {
    const auto* tab = control.find(tabs_->widget(i)->objectName().toStdString());
    if (!tab) continue;
    tabs_->setTabText(i, ToQString(tab->caption));
    tabs_->setTabVisible(i, tab->visible);
    tabs_->setTabEnabled(i, tab->enabled);
  }
  for (int i = 0; i < tabs_->count(); ++i)
    if (tabs_->widget(i)->objectName().toStdString() == control.active) tabs_->setCurrentIndex(i);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  handle([&] { tool_.session().FormClose(); });
  QMainWindow::closeEvent(event);
}

}  // namespace tavu::ui
