// The main window over a tool on the virtual platform: what it shows must be
// what the model says, before and after the user's actions and the link's events.
#include "ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/tool.h"
#include "ui/instruments/dial.h"
#include "ui/instruments/instrument_accessibility.h"
#include "ui/instruments/led.h"
#include "ui/instruments/multi_color_bar.h"
#include "ui/instruments/numeric_spin.h"
#include "ui/instruments/toggle_switch.h"
#include "ui/instruments/vertical_slider.h"
#include "virtual_platform.h"

using tavu::Bytes;
using tavu::testing::RecordingPort;
using tavu::testing::VirtualPlatform;
namespace colors = tavu::colors;

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
  template <typename T = QWidget>
  T* find(const char* name) const {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qWarning("no %s", name);
    return found;
  }
  QStringList visibleTexts(const char* menuName) const {
    QStringList texts;
    for (QAction* a : find<QMenu>(menuName)->actions())
      if (a->isVisible()) texts << a->text();
    return texts;
  }
  void showTab(const char* tabName) const {
    auto* tabs = find<QTabWidget>("tab_control");
    tabs->setCurrentWidget(find(tabName));
  }
  // The command in the queue's current slot, without its start byte and checksum.
  Bytes queued() const {
    const Bytes& frame = tool->link().Queue().current;
    return frame.size() < 2 ? Bytes{} : Bytes(frame.begin() + 1, frame.end() - 1);
  }
  tavu::window::WindowModel& model() const { return tool->model(); }

  RecordingPort port;
  VirtualPlatform platform;
  std::unique_ptr<tavu::Tool> tool;
  std::unique_ptr<tavu::ui::MainWindow> window;
};

QString Hex(const Bytes& bytes) {
  return QString::fromLatin1(
      QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())).toHex(' '));
}

// Counts the paint events of a widget and all its children.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* root) {
    root->installEventFilter(this);
    for (QWidget* w : root->findChildren<QWidget*>()) w->installEventFilter(this);
  }
  QStringList painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      painted << watched->objectName() + QLatin1Char('/') + watched->metaObject()->className();
    return false;
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { tavu::ui::InstallInstrumentAccessibility(); }
  void startsUnconnected();
  void controlsCarryTheirWindowNames();
  void rangesAreTheModels_data();
  void rangesAreTheModels();
  void modelChangesShowAfterRefresh();
  void refreshWithoutChangeRepaintsNothing();
  void userActionsReachTheirHandlers();
  void cylinderRadioButtonsWriteTheModel();
  void thresholdBoxOpensTheSliderAndLeavingItClosesIt();
  void everyTabFitsTheWindowAndIsPictured();
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
  QCOMPARE(f.window->size(), QSize(795, 590));

  auto* tabs = f.find<QTabWidget>("tab_control");
  const QStringList all{"Panel Petrol", "Panel Gaz",   "Adaptacja", "Mapa", "Error", "Oscyloskop",
                        "Diagnostyka",  "Przełącznik", "Serwis",    "Help", "Info"};
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
  QVERIFY(f.find("Error_Led")->isHidden());
  QVERIFY(f.find("StatusBar1_panel1")->isHidden());
  QCOMPARE(f.find<QLabel>("StatusBar1_panel0")->text(), QStringLiteral("TAVU ver."));
  QCOMPARE(f.find<tavu::ui::ToggleSwitch>("Polacz_switch")->text(), QStringLiteral("Rozłączony"));
  QVERIFY(!f.find("Zaplon_panel")->isEnabled());

  QVERIFY(f.find<QRadioButton>("Cyl_0_show")->isChecked());
  for (const char* other : {"Cyl_1_show", "Cyl_7_show"}) QVERIFY(!f.find<QRadioButton>(other)->isChecked());
  // Controls the window keeps but does not show, and those only "ver_2" shows.
  for (const char* hidden :
       {"szybkosc", "wykres_CheckBox", "Label38", "Label39", "Sel_Typ_wtrysku_Petrol", "ComboBox17", "Ch_U_LPG_changer",
        "GroupBox15", "Min_Temp_Petrol_changer", "RPM_Min_To_Petrol", "Panel_korekta"})
    QVERIFY2(f.find(hidden)->isHidden(), hidden);
  QCOMPARE(f.find<QComboBox>("Sel_cyl")->currentIndex(), -1);
  QCOMPARE(f.find<QComboBox>("Sel_Typ_wtrysku")->count(), 8);
  QCOMPARE(f.find<QLineEdit>("Ch_U_LPG_3")->text(), QStringLiteral("0,00"));
  QCOMPARE(f.find<QLineEdit>("U_zbiornika")->text(), QStringLiteral("0.00"));
}

void MainWindowTest::controlsCarryTheirWindowNames() {
  Fixture f;
  const auto& m = f.model();
  struct Case {
    const char* name;
    const std::string& accessibleName;  // its caption or its label's text
  };
  const Case cases[] = {
      {"Sel_cyl", m.Label34.caption},
      {"Check_Injector_plus", m.Label40.caption},
      {"Full_group_CheckBox", m.Full_group_CheckBox.caption},
      {"Check_by_first", m.Label24.caption},
      {"Rodz_czuj_LPG", m.Label17.caption},
      {"U_zbiornika", m.Label16.caption},
      {"Actual_errors_Memo", m.Label19.caption},
      {"Register_errors_memo", m.Label18.caption},
      {"Button2", m.Button2.caption},
      {"T_RED_changer", m.Label21.caption},
      {"Cyl_3_show", m.Cyl_show[3].caption},
      {"GroupBox14", m.GroupBox14.caption},
  };
  for (const Case& c : cases) {
    QWidget* w = f.find(c.name);
    QVERIFY2(w != nullptr, c.name);
    QCOMPARE(w->accessibleDescription(), QString::fromLatin1(c.name));
    QVERIFY2(!c.accessibleName.empty(), c.name);
    QCOMPARE(w->accessibleName(), QString::fromStdString(c.accessibleName));
  }

  // The drawn instruments answer assistive technology themselves.
  struct InstrumentCase {
    const char* name;
    const char* accessibleName;
    double maximum;
  };
  // A dial joins its two signal names.
  const std::string dialName = m.T_zwloki_changer.secondCaption + " " + m.T_zwloki_changer.caption;
  const InstrumentCase instruments[] = {{"Skala_PB_time", m.Label3.caption.c_str(), 30},
                                        {"TempGaz", m.TempGaz.caption.c_str(), 120},
                                        {"T_zwloki_changer", dialName.c_str(), 1450}};
  for (const InstrumentCase& c : instruments) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(f.find(c.name));
    QVERIFY2(face != nullptr && face->valueInterface() != nullptr, c.name);
    QCOMPARE(face->text(QAccessible::Name), QString::fromUtf8(c.accessibleName).trimmed());
    QCOMPARE(face->text(QAccessible::Description), QString::fromLatin1(c.name));
    QCOMPARE(face->valueInterface()->maximumValue().toDouble(), c.maximum);
  }
}

void MainWindowTest::rangesAreTheModels_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<double>("minimum");
  QTest::addColumn<double>("maximum");
  QTest::addColumn<double>("step");  // 0: the control has no step
  QTest::newRow("petrol time bar") << "Skala_PB_time" << 0.0 << 30.0 << 0.0;
  QTest::newRow("gas time bar") << "Skala_LPG_time" << 0.0 << 50.0 << 0.0;
  QTest::newRow("lambda") << "lambda_2" << 0.0 << 1.0 << 0.0;
  QTest::newRow("MAP meter") << "Slala_P_MAP" << 0.0 << 240.0 << 0.0;
  QTest::newRow("P1 meter") << "Skala_P1_MAP" << 0.0 << 3.0 << 0.0;
  QTest::newRow("RPM meter") << "RPM_zegar" << 0.0 << 10.0 << 0.0;
  QTest::newRow("reducer thermometer") << "TempWoda" << 0.0 << 120.0 << 0.0;
  QTest::newRow("diagnostics gas bar") << "gaz_slupek_8" << 0.0 << 40.0 << 0.0;
  QTest::newRow("max rpm dial") << "RPM_Max_To_Petrol" << 0.0 << 12000.0 << 100.0;
  QTest::newRow("switch speed dial") << "RPM_Prog_przel" << 300.0 << 6000.0 << 100.0;
  QTest::newRow("sequence dial") << "T_CYL_seqence" << 0.0 << 2550.0 << 10.0;
  QTest::newRow("switch delay dial") << "T_przel_to_LPG" << 2.0 << 300.0 << 1.0;
  QTest::newRow("lowest temperature dial") << "Min_Temp_Petrol_changer" << -25.0 << 100.0 << 1.0;
  QTest::newRow("correction") << "kor_8" << -20.0 << 20.0 << 1.0;
  // A slider counts its positions: 210 for the working pressure, 215 for the lowest.
  QTest::newRow("working pressure positions") << "P_pracy_changer" << 0.0 << 210.0 << 1.0;
  QTest::newRow("lowest pressure positions") << "P_min_changer" << 0.0 << 215.0 << 1.0;
}

void MainWindowTest::rangesAreTheModels() {
  QFETCH(QString, name);
  QFETCH(double, minimum);
  QFETCH(double, maximum);
  QFETCH(double, step);
  Fixture f;
  auto* instrument = dynamic_cast<tavu::ui::AccessibleInstrument*>(f.find(qPrintable(name)));
  QVERIFY(instrument != nullptr);
  QCOMPARE(instrument->accessibleMinimum(), minimum);
  QCOMPARE(instrument->accessibleMaximum(), maximum);
  if (step > 0) QCOMPARE(instrument->accessibleStep(), step);
}

void MainWindowTest::modelChangesShowAfterRefresh() {
  Fixture f;
  auto& m = f.model();
  struct Case {
    const char* what;
    std::function<void()> change;
    std::function<bool()> shown;
  };
  const Case cases[] = {
      {"list index", [&] { m.Sel_Impuls.index = 3; },
       [&] { return f.find<QComboBox>("Sel_Impuls")->currentText() == QStringLiteral("4 cyl."); }},
      {"list items replaced by the language",
       [&] {
         m.Sel_cyl.items[1] = "4 цил.";
         m.Sel_cyl.index = 1;
       },
       [&] { return f.find<QComboBox>("Sel_cyl")->currentText() == QStringLiteral("4 цил."); }},
      {"list back to no entry", [&] { m.Sel_cyl.index = -1; },
       [&] { return f.find<QComboBox>("Sel_cyl")->currentIndex() == -1; }},
      {"lamp lit, radio button disabled",
       [&] {
         m.Cyl_led[3].on = true;
         m.Cyl_show[5].enabled = false;
       },
       [&] { return f.find<tavu::ui::Led>("Cyl_3_led")->isOn() && !f.find("Cyl_5_show")->isEnabled(); }},
      {"lambda range widened",
       [&] {
         m.lambda_1.maximum = 5.0;
         m.lambda_1.value = 2.0;
       },
       [&] {
         auto* bar = f.find<tavu::ui::MultiColorBar>("lambda_1");
         return bar->maximum() == 5.0 && bar->value() == 2.0;
       }},
      {"threshold box edited in green",
       [&] {
         m.Ch_U_LPG[1].text = "1,5";
         m.Ch_U_LPG[1].color = colors::kGreen;
       },
       [&] {
         auto* box = f.find<QLineEdit>("Ch_U_LPG_2");
         return box->text() == QStringLiteral("1,5") && box->palette().color(QPalette::Base) == QColor(0, 128, 0);
       }},
      {"group shown for ver_2", [&] { m.GroupBox15.visible = true; },
       [&] { return !f.find("GroupBox15")->isHidden(); }},
      {"fuel kind CNG", [&] { m.CNG_RadioButton.checked = true; },
       [&] { return f.find<QRadioButton>("CNG_RadioButton")->isChecked(); }},
      {"fuel kind none again", [&] { m.CNG_RadioButton.checked = false; },
       [&] {
         return !f.find<QRadioButton>("CNG_RadioButton")->isChecked() &&
                !f.find<QRadioButton>("LPG_RadioButton")->isChecked();
       }},
      {"shown cylinder moves",
       [&] {
         m.Cyl_show[0].checked = false;
         m.Cyl_show[4].checked = true;
       },
       [&] {
         return f.find<QRadioButton>("Cyl_4_show")->isChecked() && !f.find<QRadioButton>("Cyl_0_show")->isChecked();
       }},
      {"dial range cut for ver_1, value held at its end",
       [&] {
         m.T_przel_to_LPG.maximum = m.T_przel_to_LPG.scaleMaximum = 60;
         m.T_przel_to_LPG.value = 150;
       },
       [&] {
         auto* dial = f.find<tavu::ui::Dial>("T_przel_to_LPG");
         return dial->maximum() == 60 && dial->scaleMaximum() == 60 && dial->value() == 60;
       }},
      {"slider position", [&] { m.P_pracy_changer.value = 1.23; },
       [&] { return f.find<tavu::ui::VerticalSlider>("P_pracy_changer")->value() == 83; }},
      {"correction", [&] { m.Kor[0].value = -7; },
       [&] { return f.find<tavu::ui::NumericSpin>("Kor_1")->value() == -7; }},
      {"memo lines",
       [&] {
         m.Actual_errors_Memo.lines = {"1 - Błąd napięcia", "2 - Złe ustawienia"};
       },
       [&] {
         return f.find<QPlainTextEdit>("Actual_errors_Memo")->toPlainText() ==
                QStringLiteral("1 - Błąd napięcia\n2 - Złe ustawienia");
       }},
      {"error strip blinks light red",
       [&] {
         m.Error_Led.visible = true;
         m.Error_Led.color = colors::kLightRed;
       },
       [&] {
         auto* strip = f.find("Error_Led");
         return !strip->isHidden() && strip->palette().color(QPalette::Window) == QColor(255, 60, 60);
       }},
      {"fuel switch on gas", [&] { m.paliwo_Switch.on = true; },
       [&] { return f.find<tavu::ui::ToggleSwitch>("paliwo_Switch")->text() == QStringLiteral("LPG"); }},
      {"label caption renames its field", [&] { m.Label34.caption = "No. of Cylinders"; },
       [&] {
         return f.find<QLabel>("Label34")->text() == QStringLiteral("No. of Cylinders") &&
                f.find("Sel_cyl")->accessibleName() == QStringLiteral("No. of Cylinders");
       }},
      {"greyed window",
       [&] {
         m.inputEnabled = false;
         m.Zaplon_panel.color = colors::kGray;
       },
       [&] {
         return !f.window->centralWidget()->isEnabled() && !f.window->menuBar()->isEnabled() &&
                f.find("Zaplon_panel")->palette().color(QPalette::Window) == QColor(128, 128, 128);
       }},
  };
  for (const Case& c : cases) {
    c.change();
    f.window->refresh();
    QVERIFY2(c.shown(), c.what);
  }
  // Showing a value is never taken for the user's choice: no handler ran.
  QVERIFY2(f.tool->link().Queue().current.empty(), qPrintable(Hex(f.queued())));
}

void MainWindowTest::refreshWithoutChangeRepaintsNothing() {
  Fixture f;
  QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
  f.model().RPM_zegar.value = 2.5;
  f.model().Sel_Typ_silnika.index = 1;
  f.window->refresh();
  QTest::qWait(50);  // the first pictures are drawn

  PaintCounter counter(f.window.get());
  f.window->refresh();
  QTest::qWait(50);
  QCOMPARE(counter.painted, QStringList{});

  // One changed value repaints its own instrument, not the window.
  f.model().RPM_zegar.value = 3.0;
  f.window->refresh();
  QTest::qWait(50);
  QVERIFY(counter.painted.contains(QStringLiteral("RPM_zegar/tavu::ui::RoundMeter")));
  QVERIFY2(!counter.painted.contains(QStringLiteral("TempGaz/tavu::ui::Thermometer")),
           qPrintable(counter.painted.join(QLatin1Char(' '))));
}

void MainWindowTest::userActionsReachTheirHandlers() {
  Fixture f;
  auto& m = f.model();
  m.Sel_Impuls.index = 2;
  m.T_RED_changer.index = 4;
  m.T_zwloki_changer.value = 24;
  m.T_CYL_seqence.value = 200;
  m.Zaplon_panel.enabled = true;
  f.window->refresh();

  struct Case {
    const char* what;
    const char* tab;
    std::function<void()> act;
    Bytes command;
  };
  const Case cases[] = {
      {"next pulse source", "TabSheet1", [&] { QTest::keyClick(f.find("Sel_Impuls"), Qt::Key_Down); }, {0x0A, 0x03}},
      {"sensor 10 kOhm", "TabSheet2", [&] { QTest::keyClick(f.find("T_RED_changer"), Qt::Key_Down); }, {0x13, 0x00}},
      {"injectors on the positive side",
       "TabSheet1",
       [&] { QTest::keyClick(f.find("Check_Injector_plus"), Qt::Key_Space); },
       {0x2D, 0x01}},
      {"full group", "TabSheet1", [&] { QTest::keyClick(f.find("Full_group_CheckBox"), Qt::Key_Space); }, {0x23, 0x00}},
      // 24 ms turned up to 25 ms and let go: 25 / 10 rounds to the even 2.
      {"pressure-error time on release",
       "TabSheet9",
       [&] { QTest::keyClick(f.find("T_zwloki_changer"), Qt::Key_Up); },
       {0x1F, 0x02}},
      {"correction one step up",
       "TabSheet8",
       [&] {
         m.Panel_korekta.visible = true;
         f.window->refresh();
         QTest::keyClick(f.find("Kor_1"), Qt::Key_Up);
       },
       {0x44, 0x81, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}},
      {"fuel switch asks for gas",
       "TabSheet1",
       [&] { QTest::mouseClick(f.find("paliwo_Switch"), Qt::LeftButton); },
       {0x03, 0x03, 0x00}},
      {"reset errors", "TabSheet5", [&] { QTest::mouseClick(f.find("Button2"), Qt::LeftButton); }, {0x10, 0x00}},
  };
  for (const Case& c : cases) {
    f.showTab(c.tab);
    f.tool->link().MutableQueue() = {};
    c.act();
    QVERIFY2(f.queued() == c.command, qPrintable(QStringLiteral("%1: %2").arg(c.what, Hex(f.queued()))));
  }
  // The handlers' changes are shown at once.
  QCOMPARE(m.Sel_Impuls.index, 3);
  QVERIFY(m.Check_Injector_plus.checked);
  QCOMPARE(f.find<tavu::ui::Dial>("T_CYL_seqence")->value(), 0);
  QCOMPARE(m.T_zwloki_changer.value, 25);

  // Choosing a cylinder count before a settings block is read sends nothing,
  // but the list shows the choice.
  f.tool->link().MutableQueue() = {};
  f.showTab("TabSheet1");
  QTest::keyClick(f.find("Sel_cyl"), Qt::Key_Down);
  QCOMPARE(m.Sel_cyl.index, 0);
  QVERIFY(f.tool->link().Queue().current.empty());

  // The error strip opens the error tab.
  m.Error_Led.visible = true;
  f.window->refresh();
  QTest::mouseClick(f.find("Error_Led"), Qt::LeftButton);
  QCOMPARE(f.find<QTabWidget>("tab_control")->currentWidget()->objectName(), QStringLiteral("TabSheet5"));
}

void MainWindowTest::cylinderRadioButtonsWriteTheModel() {
  Fixture f;
  QTest::mouseClick(f.find("Cyl_3_show"), Qt::LeftButton);
  const auto& show = f.model().Cyl_show;
  QVERIFY(show[3].checked);
  QVERIFY(!show[0].checked);
  QVERIFY(f.find<QRadioButton>("Cyl_3_show")->isChecked());
  // A click on the checked one keeps it checked.
  QTest::mouseClick(f.find("Cyl_3_show"), Qt::LeftButton);
  QVERIFY(show[3].checked);
}

void MainWindowTest::thresholdBoxOpensTheSliderAndLeavingItClosesIt() {
  Fixture f;
  QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
  f.showTab("TabSheet9");
  auto* box = f.find<QLineEdit>("Ch_U_LPG_2");
  auto* slider = f.find<tavu::ui::VerticalSlider>("Ch_U_LPG_changer");

  box->setFocus(Qt::TabFocusReason);
  QVERIFY(!slider->isHidden());
  QVERIFY(slider->hasFocus());  // the tool moved the focus onto the slider
  QCOMPARE(box->palette().color(QPalette::Base), QColor(0, 128, 0));
  QCOMPARE(f.queued(), (Bytes{0x31, 0x01}));
  // The slider stands on the box it edits.
  const QRect boxArea(box->mapTo(f.window.get(), QPoint(0, 0)), box->size());
  const QRect sliderArea(slider->mapTo(f.window.get(), QPoint(0, 0)), slider->size());
  QVERIFY(sliderArea.bottom() < boxArea.top());
  QVERIFY(sliderArea.left() < boxArea.center().x() && boxArea.center().x() < sliderArea.right());

  f.find("U_zbiornika")->setFocus(Qt::TabFocusReason);
  QVERIFY(slider->isHidden());
  QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 255));
}

void MainWindowTest::everyTabFitsTheWindowAndIsPictured() {
  Fixture f;
  auto& m = f.model();
  // Everything "ver_2" shows, with the service tab.
  m.GroupBox15.visible = m.Min_Temp_Petrol_changer.visible = m.RPM_Min_To_Petrol.visible = true;
  m.Panel_korekta.visible = true;
  m.StatusBar1[1].visible = true;
  m.Error_Led.visible = true;
  m.tab_control.find("TabSheet10")->visible = true;
  // The widest figures the dials show.
  for (auto* dial : {&m.RPM_Max_To_Petrol, &m.T_zwloki_changer, &m.RPM_Min_To_Petrol, &m.RPM_Prog_przel,
                     &m.T_przel_to_LPG, &m.T_CYL_seqence})
    dial->value = dial->maximum;
  m.RPM_Edit.value = 9900;
  m.BATERY_vpp.value = 16.34;
  f.window->refresh();
  QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));

  auto* tabs = f.find<QTabWidget>("tab_control");
  // Every tab's caption is shown whole, none behind the scroll arrows.
  QVERIFY2(tabs->tabBar()->sizeHint().width() <= tabs->tabBar()->width(),
           qPrintable(QStringLiteral("%1 > %2").arg(tabs->tabBar()->sizeHint().width()).arg(tabs->tabBar()->width())));
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    QCoreApplication::processEvents();
    const QString name = tabs->widget(i)->objectName();
    QVERIFY(f.window->grab().save(QStringLiteral(TAVU_UI_SHOT_DIR "/main_window_%1.png").arg(name)));
    // Nothing is squeezed below the size it needs to show itself whole.
    for (QWidget* w : f.window->findChildren<QWidget*>()) {
      if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
      if (w->parentWidget() != nullptr && w->parentWidget()->layout() == nullptr) continue;  // placed by hand
      const QSize need = w->minimumSizeHint();
      QVERIFY2(w->width() >= need.width() && w->height() >= need.height(),
               qPrintable(QStringLiteral("%1 on %2: %3x%4 < %5x%6")
                              .arg(w->objectName(), name)
                              .arg(w->width())
                              .arg(w->height())
                              .arg(need.width())
                              .arg(need.height())));
    }
  }
  // The window opens at its built size, not pushed larger by what it holds.
  const QSize least = f.window->minimumSizeHint();
  QVERIFY2(least.width() <= 795 && least.height() <= 590,
           qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
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
