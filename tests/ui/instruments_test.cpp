// The drawn instruments: where a value lands on each scale, when the setting
// controls report, the spin button's repeat, the recorder's history, what
// assistive technology is told, and that a refresh without change repaints
// nothing. Each instrument is also rendered to a PNG in <temp>/instruments.
#include <QAccessible>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

#include "ui/instruments/dial.h"
#include "ui/instruments/instrument_accessibility.h"
#include "ui/instruments/led.h"
#include "ui/instruments/led_bar.h"
#include "ui/instruments/linear_meter.h"
#include "ui/instruments/multi_color_bar.h"
#include "ui/instruments/numeric_spin.h"
#include "ui/instruments/round_meter.h"
#include "ui/instruments/spin_button.h"
#include "ui/instruments/thermometer.h"
#include "ui/instruments/toggle_switch.h"
#include "ui/instruments/trend_recorder.h"
#include "ui/instruments/value_indicator.h"
#include "ui/instruments/vertical_slider.h"

using namespace tavu::ui;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

QImage Render(QWidget* w, qreal dpr) {
  QImage image(w->size() * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(w->palette().color(QPalette::Window));
  w->render(&image);
  return image;
}

int DistinctColours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) seen.insert(image.pixel(x, y));
  return static_cast<int>(seen.size());
}

}  // namespace

class InstrumentsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InstallInstrumentAccessibility(); }

  void valueLandsOnTheScale_data();
  void valueLandsOnTheScale();
  void sectorBandsFollowTheOffset_data();
  void sectorBandsFollowTheOffset();

  void settingControlsReportOnlyWhenTheUserLetsGo_data();
  void settingControlsReportOnlyWhenTheUserLetsGo();
  void wheelReportsOnceItSettles();
  void userChangesLandOnTheStep_data();
  void userChangesLandOnTheStep();
  void numericSpinReportsUserStepsOnly();

  void spinButtonRepeatsAfterHoldUntilRelease();
  void ledFlashesOnlyWhenLit();
  void recorderKeepsTheNewestSamples();

  void valueIndicatorText_data();
  void valueIndicatorText();

  void accessibleRolesAndNames();
  void accessibleMeterIsReadOnly();
  void accessibleDialCommitsLikeTheUser();
  void accessibleActionsAct();

  void refreshWithoutChangeRepaintsNothing();
  void rendersEveryInstrument();
};

// ---------------------------------------------------------------------------
// Geometry: one table for every instrument's mapping from value to scale.

void InstrumentsTest::valueLandsOnTheScale_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<double>("value");
  QTest::addColumn<double>("minimum");
  QTest::addColumn<double>("maximum");
  QTest::addColumn<double>("expected");

  // RPM meter 0..10: degrees clockwise from twelve o'clock.
  QTest::newRow("round min") << "round" << 0.0 << 0.0 << 10.0 << -135.0;
  QTest::newRow("round mid") << "round" << 5.0 << 0.0 << 10.0 << 0.0;
  QTest::newRow("round max") << "round" << 10.0 << 0.0 << 10.0 << 135.0;
  QTest::newRow("round below") << "round" << -2.0 << 0.0 << 10.0 << -135.0;
  QTest::newRow("round above") << "round" << 25.5 << 0.0 << 10.0 << 135.0;
  QTest::newRow("round NaN") << "round" << kNaN << 0.0 << 10.0 << -135.0;
  // MAP meter 0..240 kPa and P1 0..3 bar.
  QTest::newRow("linear min") << "linear" << 0.0 << 0.0 << 240.0 << 0.0;
  QTest::newRow("linear mid") << "linear" << 120.0 << 0.0 << 240.0 << 0.5;
  QTest::newRow("linear max") << "linear" << 240.0 << 0.0 << 240.0 << 1.0;
  QTest::newRow("linear above") << "linear" << 65535.0 << 0.0 << 240.0 << 1.0;
  QTest::newRow("linear below") << "linear" << -0.5 << 0.0 << 3.0 << 0.0;
  QTest::newRow("linear empty range") << "linear" << 5.0 << 3.0 << 3.0 << 0.0;
  // Thermometers 0..120 °C; the decoder hands over -128 .. 127.
  QTest::newRow("thermo -10") << "thermo" << -10.0 << 0.0 << 120.0 << 0.0;
  QTest::newRow("thermo 60") << "thermo" << 60.0 << 0.0 << 120.0 << 0.5;
  QTest::newRow("thermo 120") << "thermo" << 120.0 << 0.0 << 120.0 << 1.0;
  QTest::newRow("thermo 127") << "thermo" << 127.0 << 0.0 << 120.0 << 1.0;
  // Lambda bar 0..1 V, widened to 5 V.
  QTest::newRow("lambda 0.45 V") << "multi" << 0.45 << 0.0 << 1.0 << 0.45;
  QTest::newRow("lambda 1.2152 V") << "multi" << 1.2152 << 0.0 << 1.0 << 1.0;
  QTest::newRow("lambda widened") << "multi" << 2.5 << 0.0 << 5.0 << 0.5;
  // Gas time bar 0..50 ms in 20 segments of 2.5 ms; a segment lights at half.
  QTest::newRow("ledbar 0") << "ledbar" << 0.0 << 0.0 << 50.0 << 0.0;
  QTest::newRow("ledbar under half a segment") << "ledbar" << 1.2 << 0.0 << 50.0 << 0.0;
  QTest::newRow("ledbar over half a segment") << "ledbar" << 1.3 << 0.0 << 50.0 << 1.0;
  QTest::newRow("ledbar mid") << "ledbar" << 25.0 << 0.0 << 50.0 << 10.0;
  QTest::newRow("ledbar max") << "ledbar" << 50.0 << 0.0 << 50.0 << 20.0;
  QTest::newRow("ledbar 1000 ms") << "ledbar" << 1000.0 << 0.0 << 50.0 << 20.0;
  QTest::newRow("ledbar negative") << "ledbar" << -3.0 << 0.0 << 50.0 << 0.0;
  // Dial -25..100 °C: -128 from the block shows at the lower end.
  QTest::newRow("dial -128") << "dial" << -128.0 << -25.0 << 100.0 << -135.0;
  QTest::newRow("dial mid") << "dial" << 37.5 << -25.0 << 100.0 << 0.0;
  QTest::newRow("dial scale end") << "dial" << 100.0 << -25.0 << 100.0 << 135.0;
  // Back from a pointer angle; the gap at the bottom goes to the nearer end.
  QTest::newRow("dial angle top") << "dialAngle" << 0.0 << 0.0 << 6500.0 << 3250.0;
  QTest::newRow("dial angle start") << "dialAngle" << -135.0 << 0.0 << 6500.0 << 0.0;
  QTest::newRow("dial angle gap left") << "dialAngle" << -170.0 << 0.0 << 6500.0 << 0.0;
  QTest::newRow("dial angle gap right") << "dialAngle" << 170.0 << 0.0 << 6500.0 << 6500.0;
  // Slider 40..250 (0,40 .. 2,50 bar).
  QTest::newRow("slider bottom") << "slider" << 40.0 << 40.0 << 250.0 << 0.0;
  QTest::newRow("slider top") << "slider" << 250.0 << 40.0 << 250.0 << 1.0;
  QTest::newRow("slider above") << "slider" << 300.0 << 40.0 << 250.0 << 1.0;
  QTest::newRow("slider back from above the groove") << "sliderValue" << 1.5 << 40.0 << 250.0 << 250.0;
  QTest::newRow("slider back from mid") << "sliderValue" << 0.5 << 40.0 << 250.0 << 145.0;
  // Recorder channel, full scale 0..4 bar.
  QTest::newRow("recorder mid") << "recorder" << 2.0 << 0.0 << 4.0 << 0.5;
  QTest::newRow("recorder above") << "recorder" << 9.0 << 0.0 << 4.0 << 1.0;
  QTest::newRow("recorder below") << "recorder" << -1.0 << 0.0 << 4.0 << 0.0;
}

void InstrumentsTest::valueLandsOnTheScale() {
  QFETCH(QString, kind);
  QFETCH(double, value);
  QFETCH(double, minimum);
  QFETCH(double, maximum);
  QFETCH(double, expected);
  const std::map<QString, std::function<double()>> mapping{
      {"round", [&] { return RoundMeter::angleFor(value, minimum, maximum); }},
      {"linear", [&] { return LinearMeter::fractionFor(value, minimum, maximum); }},
      {"thermo", [&] { return Thermometer::levelFor(value, minimum, maximum); }},
      {"multi", [&] { return MultiColorBar::fractionFor(value, minimum, maximum); }},
      {"ledbar", [&] { return double(LedBar::litSegments(value, minimum, maximum, 20)); }},
      {"dial", [&] { return Dial::angleFor(value, minimum, maximum); }},
      {"dialAngle", [&] { return Dial::valueForAngle(value, minimum, maximum); }},
      {"slider", [&] { return VerticalSlider::fractionFor(value, minimum, maximum); }},
      {"sliderValue", [&] { return VerticalSlider::valueForFraction(value, minimum, maximum); }},
      {"recorder", [&] { return TrendRecorder::yFraction(value, minimum, maximum); }},
  };
  QVERIFY2(std::abs(mapping.at(kind)() - expected) < 1e-9,
           qPrintable(QStringLiteral("got %1").arg(mapping.at(kind)())));
}

void InstrumentsTest::sectorBandsFollowTheOffset_data() {
  QTest::addColumn<double>("from");
  QTest::addColumn<double>("to");
  QTest::addColumn<int>("offset");
  QTest::addColumn<bool>("shown");
  QTest::addColumn<double>("start");
  QTest::addColumn<double>("end");
  QTest::newRow("whole scale") << 0.0 << 1.0 << 0 << true << -135.0 << 135.0;
  QTest::newRow("red zone") << 0.8 << 1.0 << 0 << true << 81.0 << 135.0;
  QTest::newRow("shifted and cut at the end") << 0.0 << 0.6 << 100 << true << -35.0 << 127.0;
  QTest::newRow("shifted past the end") << 0.8 << 1.0 << 60 << false << 0.0 << 0.0;
  QTest::newRow("ignition off: 300") << 0.0 << 1.0 << 300 << false << 0.0 << 0.0;
  QTest::newRow("negative offset cut at the start") << 0.0 << 0.5 << -35 << true << -135.0 << -35.0;
}

void InstrumentsTest::sectorBandsFollowTheOffset() {
  QFETCH(double, from);
  QFETCH(double, to);
  QFETCH(int, offset);
  QFETCH(bool, shown);
  const auto span = RoundMeter::sectorAngles({from, to, Qt::red}, offset);
  QCOMPARE(span.has_value(), shown);
  if (!span) return;
  QFETCH(double, start);
  QFETCH(double, end);
  QCOMPARE(span->first, start);
  QCOMPARE(span->second, end);
}

// ---------------------------------------------------------------------------
// Setting controls.

namespace {

struct ControlUnderTest {
  std::unique_ptr<SettingControl> control;
  QPoint low, high;  // where a press means a value near the bottom / top of the range
};

ControlUnderTest MakeControl(const QString& kind) {
  ControlUnderTest c;
  if (kind == "dial") {
    auto* dial = new Dial;
    dial->resize(160, 200);
    dial->setRange(0, 1000);
    dial->setScaleMaximum(1000);
    c.control.reset(dial);
    // Left of the knob's centre, just above the gap, and right of it.
    c.low = QPoint(20, 120);
    c.high = QPoint(140, 120);
  } else {
    auto* slider = new VerticalSlider;
    slider->resize(30, 200);
    slider->setRange(0, 1000);
    c.control.reset(slider);
    c.low = QPoint(15, 199);
    c.high = QPoint(15, 0);
  }
  return c;
}

}  // namespace

void InstrumentsTest::settingControlsReportOnlyWhenTheUserLetsGo_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("dial") << "dial";
  QTest::newRow("slider") << "slider";
}

void InstrumentsTest::settingControlsReportOnlyWhenTheUserLetsGo() {
  QFETCH(QString, kind);
  ControlUnderTest c = MakeControl(kind);
  SettingControl* w = c.control.get();
  w->show();
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QSignalSpy committed(w, &SettingControl::valueCommitted);
  QSignalSpy edited(w, &SettingControl::valueEdited);

  // From code: shown, never reported, also when the range pulls it in.
  w->setValue(500);
  w->setValue(2000);
  QCOMPARE(w->value(), 1000);
  w->setRange(0, 800);
  QCOMPARE(w->value(), 800);
  w->setRange(0, 1000);
  w->setValue(500);
  QCOMPARE(committed.count(), 0);
  QCOMPARE(edited.count(), 0);

  // A drag follows the pointer but reports only on release.
  QTest::mousePress(w, Qt::LeftButton, {}, c.low);
  const int low = w->value();
  QVERIFY(low < 500);
  QTest::mouseMove(w, c.high);
  QVERIFY(w->value() > 500);
  QVERIFY(edited.count() >= 2);
  QCOMPARE(committed.count(), 0);
  QTest::mouseRelease(w, Qt::LeftButton, {}, c.high);
  QCOMPARE(committed.count(), 1);
  QCOMPARE(committed.at(0).at(0).toInt(), w->value());

  // Set from code, then dragged away and back to it: nothing to report.
  w->setValue(low);
  QTest::mousePress(w, Qt::LeftButton, {}, c.high);
  QTest::mouseMove(w, c.low);
  QTest::mouseRelease(w, Qt::LeftButton, {}, c.low);
  QCOMPARE(w->value(), low);
  QCOMPARE(committed.count(), 1);

  // Keys: every press moves, the release reports once.
  w->setValue(500);
  w->setFocus();
  QTest::keyPress(w, Qt::Key_Up);
  QTest::keyPress(w, Qt::Key_Up, Qt::NoModifier);
  QCOMPARE(w->value(), 502);
  QCOMPARE(committed.count(), 1);
  QTest::keyRelease(w, Qt::Key_Up);
  QCOMPARE(committed.count(), 2);
  QCOMPARE(committed.at(1).at(0).toInt(), 502);
}

void InstrumentsTest::wheelReportsOnceItSettles() {
  ControlUnderTest c = MakeControl("dial");
  SettingControl* w = c.control.get();
  w->setValue(100);
  QSignalSpy committed(w, &SettingControl::valueCommitted);
  for (int notch = 0; notch < 3; ++notch) {
    QWheelEvent wheel(QPointF(80, 80), QPointF(80, 80), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &wheel);
  }
  QCOMPARE(w->value(), 103);
  QCOMPARE(committed.count(), 0);
  QTRY_COMPARE_WITH_TIMEOUT(committed.count(), 1, SettingControl::kSettleMs * 3);
  QCOMPARE(committed.at(0).at(0).toInt(), 103);
}

void InstrumentsTest::userChangesLandOnTheStep_data() {
  QTest::addColumn<int>("minimum");
  QTest::addColumn<int>("maximum");
  QTest::addColumn<int>("step");
  QTest::addColumn<int>("value");
  QTest::addColumn<int>("expected");
  QTest::newRow("rpm rounds down") << 0 << 12000 << 100 << 1249 << 1200;
  QTest::newRow("rpm half goes up") << 0 << 12000 << 100 << 1250 << 1300;
  QTest::newRow("grid from the minimum") << 300 << 6000 << 100 << 349 << 300;
  QTest::newRow("negative minimum") << -25 << 100 << 10 << -21 << -25;
  QTest::newRow("below the range") << -25 << 100 << 1 << -128 << -25;
  QTest::newRow("maximum off the grid") << 0 << 2555 << 10 << 2555 << 2550;
  QTest::newRow("step 1 keeps the value") << 2 << 300 << 1 << 150 << 150;
}

void InstrumentsTest::userChangesLandOnTheStep() {
  QFETCH(int, minimum);
  QFETCH(int, maximum);
  QFETCH(int, step);
  QFETCH(int, value);
  QFETCH(int, expected);
  QCOMPARE(SettingControl::quantise(value, minimum, maximum, step), expected);
}

void InstrumentsTest::numericSpinReportsUserStepsOnly() {
  NumericSpin spin;
  spin.setRange(-20, 20);
  spin.setDecimals(0);
  spin.setTypingEnabled(false);
  QSignalSpy committed(&spin, &NumericSpin::valueCommitted);
  spin.setValue(5);
  spin.setValue(-3);
  QCOMPARE(committed.count(), 0);

  spin.stepBy(1);
  QCOMPARE(committed.count(), 1);
  QCOMPARE(committed.at(0).at(0).toDouble(), -2.0);
  spin.setValue(20);
  spin.stepBy(1);  // already at the top: no change, no report
  QCOMPARE(committed.count(), 1);
  spin.stepBy(-1);
  QCOMPARE(committed.count(), 2);
  QCOMPARE(committed.at(1).at(0).toDouble(), 19.0);

  // Typing, where allowed, reports once the number is entered.
  spin.setTypingEnabled(true);
  spin.show();
  spin.setFocus();
  auto* edit = spin.findChild<QLineEdit*>();
  edit->selectAll();
  QTest::keyClicks(edit, "7");
  QCOMPARE(committed.count(), 2);
  QTest::keyClick(&spin, Qt::Key_Return);
  QCOMPARE(committed.count(), 3);
  QCOMPARE(committed.at(2).at(0).toDouble(), 7.0);
}

// ---------------------------------------------------------------------------
// Timing.

void InstrumentsTest::spinButtonRepeatsAfterHoldUntilRelease() {
  SpinButton button;
  button.resize(20, 40);
  QElapsedTimer clock;
  QList<qint64> at;
  QList<int> directions;
  connect(&button, &SpinButton::stepped, [&](int d) {
    at << clock.elapsed();
    directions << d;
  });

  clock.start();
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 5));
  QCOMPARE(at.size(), 1);  // at once on the press
  QTest::qWait(SpinButton::kDelayMs - 100);
  QCOMPARE(at.size(), 1);  // no repeat before the delay
  QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 4, 1500);
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 5));
  const int held = int(at.size());
  QVERIFY(at[1] >= SpinButton::kDelayMs - 5);
  // A late tick may be followed by an early one; on average they keep the pace.
  const double pace = double(at[held - 1] - at[1]) / (held - 2);
  QVERIFY2(pace >= SpinButton::kRepeatMs - 5 && pace < SpinButton::kRepeatMs * 2, qPrintable(QString::number(pace)));
  QVERIFY(std::all_of(directions.begin(), directions.end(), [](int d) { return d == +1; }));

  QTest::qWait(SpinButton::kRepeatMs * 3);
  QCOMPARE(at.size(), held);  // stopped on release

  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 35));
  QCOMPARE(directions.back(), -1);
  QCOMPARE(at.size(), held + 1);
}

void InstrumentsTest::ledFlashesOnlyWhenLit() {
  Led lit, dark;
  lit.setOn(true);
  lit.setFlashing(true);
  dark.setFlashing(true);
  QVERIFY(lit.isLit());
  QTRY_VERIFY_WITH_TIMEOUT(!lit.isLit(), Led::kFlashPeriodMs * 2);
  QTRY_VERIFY_WITH_TIMEOUT(lit.isLit(), Led::kFlashPeriodMs * 2);
  QVERIFY(!dark.isLit());

  // Stopping the flash shows the plain state at once, whatever the phase.
  QTRY_VERIFY_WITH_TIMEOUT(!lit.isLit(), Led::kFlashPeriodMs * 2);
  lit.setFlashing(false);
  QVERIFY(lit.isLit());
}

void InstrumentsTest::recorderKeepsTheNewestSamples() {
  TrendRecorder recorder;
  QVERIFY(recorder.capacity() >= 1000);
  const int total = recorder.capacity() + 1500;
  for (int i = 0; i < total; ++i) recorder.addSample(i, -i);
  QCOMPARE(recorder.sampleCount(), recorder.capacity());
  const std::vector<double> first = recorder.history(0);
  QCOMPARE(int(first.size()), recorder.capacity());
  QCOMPARE(first.front(), double(total - recorder.capacity()));
  QCOMPARE(first.back(), double(total - 1));
  QCOMPARE(recorder.sample(1, 0), double(-(total - 1)));
  QCOMPARE(recorder.sample(1, 999), double(-(total - 1000)));

  recorder.setCapacity(1000);  // shrinking keeps the newest
  QCOMPARE(recorder.sampleCount(), 1000);
  QCOMPARE(recorder.history(0).front(), double(total - 1000));
  recorder.addSample(-1, -2);
  QCOMPARE(recorder.sample(0, 0), -1.0);
  QCOMPARE(recorder.sample(0, 1), double(total - 1));
  QCOMPARE(recorder.sampleCount(), 1000);

  recorder.clear();
  QCOMPARE(recorder.sampleCount(), 0);
  QVERIFY(recorder.history(0).empty());
}

// ---------------------------------------------------------------------------
// Text.

void InstrumentsTest::valueIndicatorText_data() {
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("unit");
  QTest::addColumn<int>("decimals");
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("expected");
  const QLocale pl(QLocale::Polish, QLocale::Poland), c(QLocale::C);
  QTest::newRow("battery, comma") << pl << "Bateria    " << "V" << 2 << 14.12 << "Bateria    14,12 V";
  QTest::newRow("battery, point") << c << "Bateria    " << "V" << 2 << 14.12 << "Bateria    14.12 V";
  QTest::newRow("half to even") << pl << "Bateria    " << "V" << 2 << 14.125 << "Bateria    14,12 V";
  QTest::newRow("blanked") << pl << "Bateria    " << "V" << 2 << 0.7 << "Bateria    0,70 V";
  QTest::newRow("rpm, no grouping") << pl << "" << "" << 0 << 6500.0 << "6500";
  QTest::newRow("no minus zero") << pl << "P1" << "[bar] " << 2 << -0.001 << "P1 0,00 [bar] ";
  QTest::newRow("MAP") << c << "MAP" << "[kPa]" << 1 << 101.25 << "MAP 101.2 [kPa]";
}

void InstrumentsTest::valueIndicatorText() {
  QFETCH(QLocale, locale);
  QFETCH(QString, name);
  QFETCH(QString, unit);
  QFETCH(int, decimals);
  QFETCH(double, value);
  QFETCH(QString, expected);
  ValueIndicator indicator;
  indicator.setLocale(locale);
  indicator.setName(name);
  indicator.setUnit(unit);
  indicator.setDecimals(decimals);
  indicator.setValue(value);
  QCOMPARE(indicator.text(), expected);
}

// ---------------------------------------------------------------------------
// Accessibility.

void InstrumentsTest::accessibleRolesAndNames() {
  QWidget window;
  struct Case {
    QWidget* widget;
    QAccessible::Role role;
    QString name;
  };
  auto* led = new Led(&window);
  led->setCaption("3");
  auto* bar = new LedBar(&window);
  bar->setCaption("Gaz [ms]");
  auto* lambda = new MultiColorBar(&window);
  lambda->setCaption("1");
  auto* map = new LinearMeter(&window);
  map->setCaption("MAP [kPa]");
  auto* rpm = new RoundMeter(&window);
  rpm->setCaption("RPM");
  rpm->setUnit("x1000");
  auto* temp = new Thermometer(&window);
  temp->setCaption("Red");
  auto* battery = new ValueIndicator(&window);
  battery->setName("Bateria    ");
  auto* dial = new Dial(&window);
  dial->setCaption("Min. RPM");
  auto* slider = new VerticalSlider(&window);
  slider->setCaption("P min");
  auto* spin = new SpinButton(&window);
  spin->setCaption("Korekta");
  auto* number = new NumericSpin(&window);
  number->setCaption("Kor 1");
  auto* scope = new TrendRecorder(&window);
  scope->setChannelName(0, "Petrol");
  scope->setChannelUnit(0, "[ms] ");
  const QList<Case> cases{
      {led, QAccessible::Indicator, "3"},
      {bar, QAccessible::ProgressBar, "Gaz [ms]"},
      {lambda, QAccessible::ProgressBar, "1"},
      {map, QAccessible::ProgressBar, "MAP [kPa]"},
      {rpm, QAccessible::Indicator, "RPM x1000"},
      {temp, QAccessible::Indicator, "Red"},
      {battery, QAccessible::Indicator, "Bateria"},
      {dial, QAccessible::Dial, "Min. RPM"},
      {slider, QAccessible::Slider, "P min"},
      {spin, QAccessible::SpinBox, "Korekta"},
      {number, QAccessible::SpinBox, "Kor 1"},
      {scope, QAccessible::Chart, "Petrol [ms]"},
  };
  for (const Case& c : cases) {
    c.widget->setObjectName(QStringLiteral("ctl_%1").arg(c.name));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c.widget);
    QVERIFY2(iface != nullptr, qPrintable(c.name));
    QCOMPARE(iface->role(), c.role);
    QCOMPARE(iface->text(QAccessible::Name), c.name);
    QCOMPARE(iface->text(QAccessible::Description), c.widget->objectName());
  }
}

void InstrumentsTest::accessibleMeterIsReadOnly() {
  LinearMeter meter;
  meter.setLocale(QLocale(QLocale::Polish, QLocale::Poland));
  meter.setRange(0, 240);
  meter.setValue(101.3);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&meter);
  QAccessibleValueInterface* value = iface->valueInterface();
  QVERIFY(value != nullptr);
  QCOMPARE(value->currentValue().toDouble(), 101.3);
  QCOMPARE(value->minimumValue().toDouble(), 0.0);
  QCOMPARE(value->maximumValue().toDouble(), 240.0);
  QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("101,3"));
  QVERIFY(iface->state().readOnly);
  value->setCurrentValue(50.0);
  QCOMPARE(meter.value(), 101.3);

  meter.setValue(400);  // shown at the end of the scale, told as it is
  QCOMPARE(value->currentValue().toDouble(), 400.0);
}

void InstrumentsTest::accessibleDialCommitsLikeTheUser() {
  Dial dial;
  dial.setRange(0, 12000);
  dial.setSingleStep(100);
  dial.setUnit("rpm");
  dial.setLocale(QLocale(QLocale::C));
  dial.setValue(3000);
  QSignalSpy committed(&dial, &Dial::valueCommitted);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&dial);
  QAccessibleValueInterface* value = iface->valueInterface();
  QVERIFY(value != nullptr);
  QVERIFY(!iface->state().readOnly);
  QCOMPARE(value->currentValue().toDouble(), 3000.0);
  QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("3000 rpm"));

  value->setCurrentValue(4449.0);
  QCOMPARE(dial.value(), 4400);
  QCOMPARE(committed.count(), 1);
  QCOMPARE(committed.at(0).at(0).toInt(), 4400);
  value->setCurrentValue(4400.0);  // no change, no report
  value->setCurrentValue(99999.0);
  QCOMPARE(dial.value(), 12000);
  QCOMPARE(committed.count(), 2);

  dial.setEnabled(false);
  value->setCurrentValue(100.0);
  QCOMPARE(dial.value(), 12000);
}

void InstrumentsTest::accessibleActionsAct() {
  Led led;
  QSignalSpy clicked(&led, &Led::clicked);
  QAccessibleActionInterface* ledActions = QAccessible::queryAccessibleInterface(&led)->actionInterface();
  QVERIFY(ledActions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  ledActions->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(clicked.count(), 1);

  // The switch only asks for the other state; it shows a state when told.
  ToggleSwitch toggle;
  toggle.setTexts(QStringLiteral("PB"), QStringLiteral("LPG"));
  QSignalSpy toggled(&toggle, &ToggleSwitch::toggled);
  QAccessibleInterface* toggleIface = QAccessible::queryAccessibleInterface(&toggle);
  QCOMPARE(toggleIface->role(), QAccessible::CheckBox);
  QVERIFY(toggleIface->state().checkable && !toggleIface->state().checked);
  toggleIface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  QCOMPARE(toggled.count(), 1);
  QCOMPARE(toggled.at(0).at(0).toBool(), true);
  QVERIFY(!toggleIface->state().checked);
  toggle.setOn(true);
  QVERIFY(toggleIface->state().checked);
  QCOMPARE(toggleIface->text(QAccessible::Value), QStringLiteral("LPG"));

  SpinButton spin;
  QSignalSpy stepped(&spin, &SpinButton::stepped);
  QAccessibleActionInterface* spinActions = QAccessible::queryAccessibleInterface(&spin)->actionInterface();
  spinActions->doAction(QAccessibleActionInterface::increaseAction());
  spinActions->doAction(QAccessibleActionInterface::decreaseAction());
  QCOMPARE(stepped.count(), 2);
  QCOMPARE(stepped.at(0).at(0).toInt(), +1);
  QCOMPARE(stepped.at(1).at(0).toInt(), -1);

  Dial dial;
  dial.setRange(20, 90);
  dial.setValue(90);
  QSignalSpy committed(&dial, &Dial::valueCommitted);
  QAccessibleActionInterface* dialActions = QAccessible::queryAccessibleInterface(&dial)->actionInterface();
  dialActions->doAction(QAccessibleActionInterface::increaseAction());  // at the top already
  QCOMPARE(committed.count(), 0);
  dialActions->doAction(QAccessibleActionInterface::decreaseAction());
  QCOMPARE(committed.count(), 1);
  QCOMPARE(dial.value(), 89);
}

// ---------------------------------------------------------------------------
// Painting.

void InstrumentsTest::refreshWithoutChangeRepaintsNothing() {
  struct Case {
    const char* name;
    QWidget* widget;
    std::function<void()> same, changed;
  };
  QWidget window;
  auto* bar = new LedBar(&window);
  auto* rpm = new RoundMeter(&window);
  auto* battery = new ValueIndicator(&window);
  battery->setDecimals(2);
  auto* led = new Led(&window);
  auto* dial = new Dial(&window);
  auto* temp = new Thermometer(&window);
  const QList<Case> cases{
      {"led bar", bar, [=] { bar->setValue(0); bar->setCaption({}); }, [=] { bar->setValue(12.5); }},
      {"round meter", rpm, [=] { rpm->setValue(0); rpm->setSectorOffset(0); }, [=] { rpm->setSectorOffset(300); }},
      {"value indicator", battery, [=] { battery->setValue(0.001); }, [=] { battery->setValue(0.7); }},
      {"led", led, [=] { led->setOn(false); led->setFlashing(true); }, [=] { led->setOn(true); }},
      {"dial", dial, [=] { dial->setValue(0); dial->setRange(0, 100); }, [=] { dial->setValue(40); }},
      {"thermometer", temp, [=] { temp->setValue(0); temp->setRange(0, 120); }, [=] { temp->setValue(-10); }},
  };
  auto* column = new QVBoxLayout(&window);
  for (const Case& c : cases) column->addWidget(c.widget);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  for (const Case& c : cases) {
    PaintCounter counter(c.widget);
    QCoreApplication::processEvents();
    counter.paints = 0;
    c.same();
    QCoreApplication::processEvents();
    QVERIFY2(counter.paints == 0, c.name);
    c.changed();
    QTRY_VERIFY2(counter.paints > 0, c.name);
  }
}

void InstrumentsTest::rendersEveryInstrument() {
  const QString dir = QDir::temp().filePath("instruments");
  QVERIFY(QDir().mkpath(dir));
  const QLocale pl(QLocale::Polish, QLocale::Poland);

  std::vector<std::pair<QString, std::unique_ptr<QWidget>>> shots;
  auto add = [&](const QString& name, QWidget* w, QSize size) {
    w->setLocale(pl);
    w->resize(size);
    shots.emplace_back(name, w);
  };
  auto* led = new Led;
  led->setColors(Qt::red, Qt::darkRed);
  led->setOn(true);
  led->setCaption("1");
  add("led", led, {24, 34});
  auto* gas = new LedBar;
  gas->setRange(0, 50);
  gas->setColor(QColor(0, 255, 0));
  gas->setCaption("Gaz [ms]");
  gas->setSecondCaption("CYL 1");
  gas->setValue(12.3);
  add("led_bar", gas, {60, 160});
  auto* lambda = new MultiColorBar;
  lambda->setCaption("1");
  lambda->setValue(0.72);
  add("multi_color_bar", lambda, {180, 22});
  auto* map = new LinearMeter;
  map->setCaption("MAP [kPa]");
  map->setRange(0, 240);
  map->setScaleSteps(3);
  map->setValue(101.3);
  add("linear_meter", map, {180, 56});
  auto* rpm = new RoundMeter;
  rpm->setRange(0, 10);
  rpm->setScaleSteps(8);
  rpm->setUnit("x1000");
  rpm->setValue(3.2);
  rpm->setNeedleShape(2);
  add("round_meter", rpm, {150, 150});
  auto* rpmOff = new RoundMeter;
  rpmOff->setRange(0, 10);
  rpmOff->setScaleSteps(8);
  rpmOff->setUnit("x1000");
  rpmOff->setSectorOffset(300);
  rpmOff->setNeedleShape(6);
  rpmOff->setValue(0.8);
  add("round_meter_ignition_off", rpmOff, {150, 150});
  auto* temp = new Thermometer;
  temp->setCaption("Red");
  temp->setValue(87);
  add("thermometer", temp, {70, 180});
  auto* battery = new ValueIndicator;
  battery->setName("Bateria    ");
  battery->setUnit("V");
  battery->setDecimals(2);
  battery->setValue(14.12);
  add("value_indicator", battery, {150, 26});
  auto* dial = new Dial;
  dial->setCaption("Min. RPM");
  dial->setUnit("rpm");
  dial->setRange(0, 6500);
  dial->setScaleMaximum(6500);
  dial->setValue(1800);
  add("dial", dial, {110, 140});
  auto* slider = new VerticalSlider;
  slider->setRange(40, 250);
  slider->setValue(120);
  add("vertical_slider", slider, {32, 160});
  add("spin_button", new SpinButton, {22, 44});
  auto* number = new NumericSpin;
  number->setRange(-20, 20);
  number->setValue(-3);
  add("numeric_spin", number, {60, 24});
  auto* scope = new TrendRecorder;
  scope->setChannel(0, {"Petrol", "[ms] ", 0, 40, QColor(0xff, 0x4d, 0x4d), 0});
  scope->setChannel(1, {"Gaz", " [ms]", 0, 40, QColor(0x4d, 0xe0, 0x5a), 0});
  for (int i = 0; i < 1200; ++i) scope->addSample(8 + 4 * std::sin(i / 30.0), 10 + 5 * std::sin(i / 30.0 + 0.4));
  add("trend_recorder", scope, {520, 200});

  for (const auto& [name, widget] : shots) {
    for (qreal dpr : {1.0, 2.0}) {
      const QImage image = Render(widget.get(), dpr);
      QVERIFY2(DistinctColours(image) > 4, qPrintable(name));  // drew something, antialiased
      QVERIFY(image.save(QDir(dir).filePath(QStringLiteral("%1@%2x.png").arg(name).arg(dpr))));
    }
  }
}

QTEST_MAIN(InstrumentsTest)
#include "instruments_test.moc"
