// The main window over a tool on the virtual platform: what it shows must be
// what the model says, before and after the user's actions and the link's events.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "core/tool.h"
#include "ui/instruments/toggle_switch.h"
#include "ui/main_window.h"
#include "virtual_platform.h"

using tavu::testing::RecordingPort;
using tavu::testing::VirtualPlatform;

namespace {

struct Fixture {
  explicit Fixture(const QString& storedPort = {}) : platform(port) {
    port.ports = std::vector<std::string>{"ttyS0", "ttyUSB0"};
    if (!storedPort.isEmpty()) platform.settings.values["ComPort1/Port"] = storedPort.toStdString();
    tool = std::make_unique<tavu::Tool>(platform.view);
    tool->session().FormCreate();
    window = std::make_unique<tavu::ui::MainWindow>(*tool);
    window->show();
  }
  template <typename T>
  T* find(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  QStringList visibleTexts(const char* menuName) const {
    QStringList texts;
    for (QAction* a : find<QMenu>(menuName)->actions())
      if (a->isVisible()) texts << a->text();
    return texts;
  }

  RecordingPort port;
  VirtualPlatform platform;
  std::unique_ptr<tavu::Tool> tool;
  std::unique_ptr<tavu::ui::MainWindow> window;
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void startsUnconnected();
  void portMenuListsPortsThenConnectItems();
  void portItemConnectsAndLinkEventsRedraw();
  void connectSwitchShowsTheModelsAnswer_data();
  void connectSwitchShowsTheModelsAnswer();
  void tabsAndLanguageFollowTheModel();
  void exitClosesThroughTheDisconnect();
};

void MainWindowTest::startsUnconnected() {
  Fixture f;
  QCOMPARE(f.window->windowTitle(), QStringLiteral(" ver. 3.02 GR"));

  auto* tabs = f.find<QTabWidget>("tab_control");
  const QStringList all{"Panel Petrol", "Panel Gaz", "Adaptacja",   "Mapa",   "Error", "Oscyloskop",
                        "Diagnostyka",  "Przełącznik", "Serwis", "Help", "Info"};
  QStringList texts, shown;
  for (int i = 0; i < tabs->count(); ++i) {
    texts << tabs->tabText(i);
    if (tabs->isTabVisible(i)) shown << tabs->tabText(i);
  }
  QCOMPARE(texts, all);
  QStringList expectedShown = all;
  expectedShown.removeAll("Serwis");
  expectedShown.removeAll("Help");
  QCOMPARE(shown, expectedShown);
  QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
  QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Panel Petrol"));

  QCOMPARE(f.visibleTexts("Pliki1"), QStringList{"Exit"});
  QVERIFY(!f.find<QAction>("Odczyt1")->isEnabled());
  QVERIFY(!f.find<QLabel>("Error_Led")->isVisible());
  QVERIFY(!f.find<QLabel>("StatusBar1_panel1")->isVisible());
  QCOMPARE(f.find<QLabel>("StatusBar1_panel0")->text(), QStringLiteral("TAVU ver."));
  QCOMPARE(f.find<tavu::ui::ToggleSwitch>("Polacz_switch")->text(), QStringLiteral("Rozłączony"));

  // A picture of the whole window, to look at.
  const QImage shot = f.window->grab().toImage();
  QVERIFY(shot.width() >= 700 && shot.height() >= 500);
  QVERIFY(shot.save(QStringLiteral(TAVU_UI_SHOT_DIR "/main_window.png")));
}

void MainWindowTest::portMenuListsPortsThenConnectItems() {
  Fixture f;
  QCOMPARE(f.visibleTexts("PortCOM"), (QStringList{"ttyS0", "ttyUSB0", "Połącz", "Rozłącz"}));
  for (const char* name : {"ttyS0", "ttyUSB0"}) {
    QVERIFY(f.find<QAction>(name)->isCheckable());
    QVERIFY(!f.find<QAction>(name)->isChecked());
  }
  QVERIFY(!f.find<QAction>("polacz")->isCheckable());

  // A port the session adds later appears in the menu at the next redraw.
  f.tool->session().zmien_port_COM("/dev/pts/7");
  f.window->refresh();
  QCOMPARE(f.visibleTexts("PortCOM"), (QStringList{"ttyS0", "ttyUSB0", "/dev/pts/7", "Połącz", "Rozłącz"}));
  QVERIFY(f.find<QAction>("/dev/pts/7")->isChecked());
}

void MainWindowTest::portItemConnectsAndLinkEventsRedraw() {
  Fixture f;
  f.find<QAction>("ttyUSB0")->trigger();
  QCOMPARE(f.port.openName.value_or(""), std::string("ttyUSB0"));
  QVERIFY(!f.port.writes.empty());  // the greeting went out
  QVERIFY(f.find<QAction>("ttyUSB0")->isChecked());
  QVERIFY(!f.find<QAction>("ttyS0")->isChecked());

  // Connecting greys the window: no input, gray header.
  QVERIFY(!f.window->menuBar()->isEnabled());
  QVERIFY(!f.window->centralWidget()->isEnabled());
  QCOMPARE(f.find<QWidget>("Panel1Gora")->palette().color(QPalette::Window), QColor(128, 128, 128));

  // The controller never answers: the link gives up on its own timers, and the
  // window follows without being asked to redraw.
  auto& model = f.tool->model();
  QVERIFY(f.platform.scheduler.advanceUntil([&] { return model.inputEnabled; }, 60'000));
  QVERIFY(!f.platform.dialogs.messages.empty());
  QVERIFY(f.window->menuBar()->isEnabled());
  QVERIFY(f.window->centralWidget()->isEnabled());
  QCOMPARE(f.find<QWidget>("Panel1Gora")->palette().color(QPalette::Window), QColor(240, 240, 240));
  QVERIFY(!f.find<tavu::ui::ToggleSwitch>("Polacz_switch")->isOn());
}

void MainWindowTest::connectSwitchShowsTheModelsAnswer_data() {
  QTest::addColumn<QString>("storedPort");
  QTest::addColumn<bool>("on");
  QTest::addColumn<QString>("text");
  QTest::newRow("no port chosen: refused, flips back") << QString() << false << QStringLiteral("Rozłączony");
  QTest::newRow("stored port: connects") << QStringLiteral("ttyS0") << true << QStringLiteral("COM x");
}

void MainWindowTest::connectSwitchShowsTheModelsAnswer() {
  QFETCH(QString, storedPort);
  QFETCH(bool, on);
  QFETCH(QString, text);
  Fixture f(storedPort);
  auto* toggle = f.find<tavu::ui::ToggleSwitch>("Polacz_switch");
  QTest::mouseClick(toggle, Qt::LeftButton);
  QCOMPARE(toggle->isOn(), on);
  QCOMPARE(f.tool->model().Polacz_switch.on, on);
  QCOMPARE(toggle->text(), text);
  QCOMPARE(f.port.writes.empty(), !on);
}

void MainWindowTest::tabsAndLanguageFollowTheModel() {
  Fixture f;
  auto* tabs = f.find<QTabWidget>("tab_control");
  auto& model = f.tool->model();

  tabs->setCurrentIndex(2);  // as a click on "Adaptacja"
  QCOMPARE(model.tab_control.active, std::string("TabSheet3"));
  model.tab_control.active = "TabSheet5";
  f.window->refresh();
  QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TabSheet5"));

  // Showing the service tab is a redraw of the model, not a tab change.
  model.tab_control.find("TabSheet10")->visible = true;
  f.window->refresh();
  QVERIFY(tabs->isTabVisible(tabs->indexOf(f.find<QWidget>("TabSheet10"))));
  QCOMPARE(model.tab_control.active, std::string("TabSheet5"));

  f.find<QAction>("AngielskiGB")->trigger();
  QStringList checked;
  for (QAction* a : f.find<QMenu>("Jazyk")->actions())
    if (a->isChecked()) checked << a->objectName();
  QCOMPARE(checked, QStringList{"AngielskiGB"});
  for (int i = 0; i < tabs->count(); ++i)
    QCOMPARE(tabs->tabText(i), QString::fromStdString(model.tab_control.tabs[static_cast<std::size_t>(i)].caption));
}

void MainWindowTest::exitClosesThroughTheDisconnect() {
  Fixture f;
  f.find<QAction>("AngielskiGB")->trigger();
  f.find<QAction>("Exit1")->trigger();
  QVERIFY(!f.window->isVisible());
  // Closing runs the disconnect, which stores the language.
  QCOMPARE(f.platform.settings.values["Lang/CurLang"], std::string("AngielskiGB"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
