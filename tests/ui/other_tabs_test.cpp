// The tabs "Adaptacja", "Oscyloskop", "Serwis" and "Help" draw their controls
// from the window model and hand the user's actions to the tool.
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "tab_fixture.h"
#include "ui/instruments/numeric_spin.h"
#include "ui/instruments/trend_recorder.h"
#include "ui/tabs/adaptation_tab.h"
#include "ui/tabs/help_tab.h"
#include "ui/tabs/scope_tab.h"
#include "ui/tabs/service_tab.h"

using tavu::testing::TabFixture;
using tavu::ui::TrendRecorder;

class OtherTabsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
  void adaptationShowsProgressInfoAndButtons();
  void scopeButtonsCarryTheirCaptionsAndNoneIsChecked();
  void scopeButtonSetsBothChannels_data();
  void scopeButtonSetsBothChannels();
  void scopeRecordsThePairUnderItsNames();
  void serviceShowsCountersIntervalAndDates();
  void serviceSpinsHandTheirValuesToTheTool();
  void helpIsAReadOnlyList();
};

void OtherTabsTest::adaptationShowsProgressInfoAndButtons() {
  TabFixture<tavu::ui::AdaptationTab> f;
  QCOMPARE(f.find<QPushButton>("Button_start")->text(), QStringLiteral("START"));
  QCOMPARE(f.find<QPushButton>("Button_stop")->text(), QStringLiteral("STOP"));
  QCOMPARE(f.find<QLabel>("Label28")->text(), QStringLiteral("START - Początek adaptacji"));
  auto* bar = f.find<QProgressBar>("Adaptacja_progres");
  QCOMPARE(bar->minimum(), 0);
  QCOMPARE(bar->maximum(), 100);
  QCOMPARE(bar->value(), 0);

  auto& m = f.tool.model();
  m.Adaptacja_progres.position = 93;
  m.Adaptacja_info.caption = "Proszę czekać adaptacja w toku ..\r\nKorekta =1,23";
  m.Button_start.enabled = false;
  f.tab.refresh();
  QCOMPARE(bar->value(), 93);
  QCOMPARE(f.find<QLabel>("Adaptacja_info")->text(), QStringLiteral("Proszę czekać adaptacja w toku ..\nKorekta =1,23"));
  QVERIFY(!f.find<QPushButton>("Button_start")->isEnabled());
  QVERIFY(f.shot("adaptation_tab"));
}

void OtherTabsTest::scopeButtonsCarryTheirCaptionsAndNoneIsChecked() {
  TabFixture<tavu::ui::ScopeTab> f;
  const std::vector<std::pair<const char*, QString>> captions{
      {"OSC_PETROL_LPG", "Inj. Petrol / Gaz  [ms]"},
      {"OSC_MAP_P1", "MAP/P1    [kPa] / [bar]"},
      {"TEMP_LPG_RED", "Temp Gaz / Red [°C]"},
      {"RPM_LAMBDA1", "RPM / LAMBDA 1[V]"},
      {"RPM_LAMBDA2", "RPM / LAMBDA 2[V]"}};
  for (const auto& [name, caption] : captions) {
    auto* button = f.find<QRadioButton>(name);
    QVERIFY2(button, name);
    QCOMPARE(button->text(), caption);
    QVERIFY(!button->isChecked());
  }
  auto* recorder = f.find<TrendRecorder>("Oscyloskop");
  for (int c = 0; c < 2; ++c) {
    QCOMPARE(recorder->channel(c).name, QStringLiteral(" "));
    QCOMPARE(recorder->channel(c).maximum, 50.0);
  }

  // A connect unchecks the chosen pair; the buttons follow, all of them off.
  QTest::mouseClick(f.find<QRadioButton>("RPM_LAMBDA1"), Qt::LeftButton);
  QVERIFY(f.find<QRadioButton>("RPM_LAMBDA1")->isChecked());
  f.tool.model().RPM_LAMBDA1.checked = false;
  f.tab.refresh();
  for (const auto& [name, caption] : captions) QVERIFY2(!f.find<QRadioButton>(name)->isChecked(), name);
  QVERIFY(f.shot("scope_tab"));
}

void OtherTabsTest::scopeButtonSetsBothChannels_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("names");
  QTest::addColumn<QStringList>("units");
  QTest::addColumn<double>("scale1");
  QTest::addColumn<double>("scale2");
  QTest::newRow("petrol/gas") << "OSC_PETROL_LPG" << QStringList{"Petrol", "Gaz"} << QStringList{"[ms] ", " [ms]"}
                              << 40.0 << 40.0;
  QTest::newRow("MAP/P1") << "OSC_MAP_P1" << QStringList{"MAP", "P1"} << QStringList{"[kPa] ", " [bar]"} << 250.0
                          << 4.0;
  QTest::newRow("temperatures") << "TEMP_LPG_RED" << QStringList{"Gaz", "Red"} << QStringList{"[°C] ", " [°C]"}
                                << 120.0 << 120.0;
  // The lambda scale as the bar has it at the click: widened to 5 V here.
  QTest::newRow("RPM/lambda 1") << "RPM_LAMBDA1" << QStringList{"RPM [x 1000]", "LAMBDA1"}
                                << QStringList{"  ", " [V]"} << 8.0 << 5.0;
  QTest::newRow("RPM/lambda 2") << "RPM_LAMBDA2" << QStringList{"RPM [x 1000]", "LAMBDA2"}
                                << QStringList{"  ", " [V]"} << 8.0 << 1.0;
}

void OtherTabsTest::scopeButtonSetsBothChannels() {
  QFETCH(QString, button);
  QFETCH(QStringList, names);
  QFETCH(QStringList, units);
  QFETCH(double, scale1);
  QFETCH(double, scale2);
  TabFixture<tavu::ui::ScopeTab> f;
  f.tool.model().lambda_1.maximum = 5.0;
  QTest::mouseClick(f.find<QRadioButton>(button.toLatin1()), Qt::LeftButton);
  auto* recorder = f.find<TrendRecorder>("Oscyloskop");
  QCOMPARE((QStringList{recorder->channel(0).name, recorder->channel(1).name}), names);
  QCOMPARE((QStringList{recorder->channel(0).unit, recorder->channel(1).unit}), units);
  QCOMPARE(recorder->channel(0).maximum, scale1);
  QCOMPARE(recorder->channel(1).maximum, scale2);
}

void OtherTabsTest::scopeRecordsThePairUnderItsNames() {
  TabFixture<tavu::ui::ScopeTab> f;
  auto& m = f.tool.model();
  auto* recorder = f.find<TrendRecorder>("Oscyloskop");
  m.Skala_PB_time.value = 3.2;
  m.Skala_LPG_time.value = 4.1;
  f.tool.oscilloscope().Sample();  // nothing chosen yet: nothing recorded
  QTest::mouseClick(f.find<QRadioButton>("OSC_PETROL_LPG"), Qt::LeftButton);
  f.tool.oscilloscope().Sample();
  m.Skala_PB_time.value = 3.4;
  f.tool.oscilloscope().Sample();
  f.tab.refresh();
  QCOMPARE(recorder->sampleCount(), 2);
  // The petrol time goes to the channel named "Petrol", the gas time to "Gaz".
  QCOMPARE(recorder->history(0), (std::vector<double>{3.2, 3.4}));
  QCOMPARE(recorder->history(1), (std::vector<double>{4.1, 4.1}));

  // Another pair keeps the history and adds only what is new.
  QTest::mouseClick(f.find<QRadioButton>("OSC_MAP_P1"), Qt::LeftButton);
  m.Slala_P_MAP.value = 35;
  m.Skala_P1_MAP.value = 1.1;
  f.tool.oscilloscope().Sample();
  f.tab.refresh();
  QCOMPARE(recorder->sampleCount(), 3);
  QCOMPARE(recorder->sample(0, 0), 35.0);
  QCOMPARE(recorder->sample(1, 0), 1.1);
}

void OtherTabsTest::serviceShowsCountersIntervalAndDates() {
  TabFixture<tavu::ui::ServiceTab> f;
  auto& m = f.tool.model();
  auto* factor = f.find<tavu::ui::NumericSpin>("przelicznik");
  QCOMPARE(factor->minimum(), 30.0);
  QCOMPARE(factor->maximum(), 70.0);
  QCOMPARE(factor->value(), 40.0);
  QVERIFY(!factor->isTypingEnabled());
  QCOMPARE(f.find<tavu::ui::NumericSpin>("za_godz")->singleStep(), 10.0);
  QCOMPARE(f.find<tavu::ui::NumericSpin>("za_km")->singleStep(), 500.0);
  QCOMPARE(f.find<tavu::ui::NumericSpin>("za_km")->minimum(), 0.0);
  QCOMPARE(f.find<QPushButton>("Kasuj_alarm_BitBtn")->toolTip(), QStringLiteral("Kasuj alarm"));
  QCOMPARE(f.find<QGroupBox>("Do_przegladu_Box")->title(), QStringLiteral("Do przeglądu"));

  // An adaptation not yet made reads 1 July 2008; the pickers only show.
  for (const char* name : {"Data_Pierwsza_Pick", "Data_Ostatnia_Pick"}) {
    auto* picker = f.find<QDateEdit>(name);
    QCOMPARE(picker->date(), QDate(2008, 7, 1));
    QVERIFY(!picker->isEnabled());
  }
  m.Data_Ostatnia_Pick.value = 40179.5;  // 1 January 2010, noon
  m.Data_Ostatnia_time.text = " 12:00:00";
  m.Czas_gazu_Edit.text = "          0 dni 1 godz 0 min 0 sek";
  m.Do_Przeglad_Edit.color = tavu::colors::kRed;
  m.gaz_na_benzyna.value = 87.54;
  f.tab.refresh();
  QCOMPARE(f.find<QDateEdit>("Data_Ostatnia_Pick")->date(), QDate(2010, 1, 1));
  QCOMPARE(f.find<QLineEdit>("Data_Ostatnia_time")->text(), QStringLiteral(" 12:00:00"));
  QCOMPARE(f.find<QLineEdit>("Czas_gazu_Edit")->text(), QStringLiteral("          0 dni 1 godz 0 min 0 sek"));
  auto* due = f.find<QLineEdit>("Do_Przeglad_Edit");
  QCOMPARE(due->palette().color(QPalette::Base), QColor(255, 0, 0));
  QCOMPARE(due->palette().color(QPalette::Text), QColor(0, 255, 255));
  auto* share = f.find<QProgressBar>("gaz_na_benzyna");
  QCOMPARE(share->value(), 875);
  QCOMPARE(share->text(), QStringLiteral("87,5 % gaz"));
  QVERIFY(f.tab.minimumSizeHint().height() <= tavu::testing::kPageSize.height());
  QVERIFY(f.shot("service_tab"));
}

void OtherTabsTest::serviceSpinsHandTheirValuesToTheTool() {
  TabFixture<tavu::ui::ServiceTab> f;
  auto& m = f.tool.model();
  f.find<tavu::ui::NumericSpin>("za_godz")->stepBy(3);
  QCOMPARE(m.za_godz.value, 30.0);
  f.find<tavu::ui::NumericSpin>("przelicznik")->stepBy(-1);
  QCOMPARE(m.przelicznik.value, 39.0);

  // What the tool then puts into a spin is shown; a redraw of an unchanged
  // value leaves a number being typed alone.
  m.za_km.value = 1200;
  f.tab.refresh();
  auto* km = f.find<tavu::ui::NumericSpin>("za_km");
  QCOMPARE(km->value(), 1200.0);
  auto* typing = km->findChild<QLineEdit*>();
  typing->setText(QStringLiteral("150"));
  f.tab.refresh();
  QCOMPARE(typing->text(), QStringLiteral("150"));
}

void OtherTabsTest::helpIsAReadOnlyList() {
  TabFixture<tavu::ui::HelpTab> f;
  auto* memo = f.find<QPlainTextEdit>("Help_Memo");
  QVERIFY(memo->isReadOnly());
  const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
  QCOMPARE(lines.size(), static_cast<qsizetype>(f.tool.model().Help_Memo.lines.size()));
  QVERIFY(lines.first().contains(QStringLiteral("TAVU")));
  QVERIFY(f.shot("help_tab"));
}

QTEST_MAIN(OtherTabsTest)
#include "other_tabs_test.moc"
