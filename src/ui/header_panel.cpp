#include "ui/header_panel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/bindings.h"
#include "ui/instruments/led.h"
#include "ui/instruments/led_bar.h"
#include "ui/instruments/linear_meter.h"
#include "ui/instruments/multi_color_bar.h"
#include "ui/instruments/round_meter.h"
#include "ui/instruments/thermometer.h"
#include "ui/instruments/toggle_switch.h"
#include "ui/instruments/value_indicator.h"
#include "ui/qt_convert.h"

namespace tavu::ui {
namespace {

QGroupBox* Group(const char* name, QWidget* parent) { return Named(new QGroupBox(parent), QString::fromLatin1(name)); }

}  // namespace

HeaderPanel::HeaderPanel(Tool& tool, QWidget* parent) : QWidget(parent), tool_(tool) {
  Named(this, QStringLiteral("Panel1Gora_instruments"));
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(2);

  // Four columns of instrument groups, left to right, each filled top down;
  // the columns share the width as the groups do at their built size.
  auto* columns = new QHBoxLayout;
  columns->setSpacing(6);
  auto* left = new QVBoxLayout;
  left->addWidget(buildInjectionTimes(), 1);
  left->addWidget(buildInjectors());
  auto* lambdaAndPressure = new QVBoxLayout;
  lambdaAndPressure->addWidget(buildLambda());
  lambdaAndPressure->addWidget(buildPressures(), 1);
  auto* portAndRpm = new QVBoxLayout;
  portAndRpm->addWidget(buildPort());
  bateryVpp_ = Named(new ValueIndicator(this), QStringLiteral("BATERY_vpp"));
  portAndRpm->addWidget(bateryVpp_);
  portAndRpm->addWidget(buildRpm(), 1);
  auto* temperatureAndSwitch = new QVBoxLayout;
  temperatureAndSwitch->addWidget(buildTemperatures(), 1);
  temperatureAndSwitch->addWidget(buildFuelSwitch());
  columns->addLayout(left, 201);
  columns->addLayout(lambdaAndPressure, 193);
  columns->addLayout(portAndRpm, 186);
  columns->addLayout(temperatureAndSwitch, 161);
  rows->addLayout(columns, 1);

  // The strip keeps its room while hidden, so the tabs stay put when it blinks in.
  errorLed_ = Named(new QLabel(this), QStringLiteral("Error_Led"));
  errorLed_->setAlignment(Qt::AlignCenter);
  errorLed_->setAutoFillBackground(true);
  errorLed_->setCursor(Qt::PointingHandCursor);
  errorLed_->installEventFilter(this);
  QSizePolicy policy = errorLed_->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  errorLed_->setSizePolicy(policy);
  rows->addWidget(errorLed_);
}

bool HeaderPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == errorLed_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    handle([this] { tool_.errors().Error_LedClick(); });
  return QWidget::eventFilter(watched, event);
}

void HeaderPanel::handle(const std::function<void()>& handler) {
  handler();
  emit acted();
}

QGroupBox* HeaderPanel::buildInjectionTimes() {
  groupBox6_ = Group("GroupBox6", this);
  auto* grid = Compact(new QGridLayout(groupBox6_));
  skalaPbTime_ = Named(new LedBar(groupBox6_), QStringLiteral("Skala_PB_time"));
  skalaLpgTime_ = Named(new LedBar(groupBox6_), QStringLiteral("Skala_LPG_time"));
  label3_ = Named(new QLabel(groupBox6_), QStringLiteral("Label3"));
  label4_ = Named(new QLabel(groupBox6_), QStringLiteral("Label4"));
  label3_->setBuddy(skalaPbTime_);
  label4_->setBuddy(skalaLpgTime_);
  for (QLabel* label : {label3_, label4_}) label->setAlignment(Qt::AlignCenter);
  grid->addWidget(skalaPbTime_, 0, 0);
  grid->addWidget(skalaLpgTime_, 0, 1);
  grid->addWidget(label3_, 1, 0);
  grid->addWidget(label4_, 1, 1);
  grid->setRowStretch(0, 1);
  return groupBox6_;
}

QGroupBox* HeaderPanel::buildInjectors() {
  aaa_ = Group("aaa", this);
  auto* grid = Compact(new QGridLayout(aaa_));
  grid->setHorizontalSpacing(0);
  cylShowGroup_ = new QButtonGroup(aaa_);
  for (int i = 0; i < 8; ++i) {
    const auto m = static_cast<std::size_t>(i);
    cylLeds_[m] = Named(new Led(aaa_), QStringLiteral("Cyl_%1_led").arg(i));
    connect(cylLeds_[m], &Led::clicked, this,
            [this, i] { handle([this, i] { tool_.diagnostics().Cyl_x_ledClick(i); }); });
    // The lamp above shows the cylinder's number; the button's caption is its name.
    cylShow_[m] = Named(new QRadioButton(aaa_), QStringLiteral("Cyl_%1_show").arg(i));
    cylShowGroup_->addButton(cylShow_[m], i);
    grid->addWidget(cylLeds_[m], 0, i, Qt::AlignHCenter);
    grid->addWidget(cylShow_[m], 1, i, Qt::AlignHCenter);
  }
  connect(cylShowGroup_, &QButtonGroup::idClicked, this, [this](int i) {
    handle([this, i] {
      auto& show = tool_.model().Cyl_show;
      for (std::size_t m = 0; m < show.size(); ++m) show[m].checked = cylShow_[m]->isChecked();
      tool_.diagnostics().RadioButtonxClick(i);
    });
  });
  return aaa_;
}

QGroupBox* HeaderPanel::buildLambda() {
  groupBox4_ = Group("GroupBox4", this);
  auto* column = Compact(new QVBoxLayout(groupBox4_));
  lambda1_ = Named(new MultiColorBar(groupBox4_), QStringLiteral("lambda_1"));
  lambda2_ = Named(new MultiColorBar(groupBox4_), QStringLiteral("lambda_2"));
  // One text line each, leaving the height to the pressure meters below.
  for (MultiColorBar* bar : {lambda1_, lambda2_}) {
    bar->setMaximumHeight(fontMetrics().height());
    column->addWidget(bar);
  }
  return groupBox4_;
}

QGroupBox* HeaderPanel::buildPressures() {
  groupBox3_ = Group("GroupBox3", this);
  auto* column = Compact(new QVBoxLayout(groupBox3_));
  slalaPMap_ = Named(new LinearMeter(groupBox3_), QStringLiteral("Slala_P_MAP"));
  pMapEdit_ = Named(new ValueIndicator(groupBox3_), QStringLiteral("P_MAP_edit"));
  skalaP1Map_ = Named(new LinearMeter(groupBox3_), QStringLiteral("Skala_P1_MAP"));
  p1MapEdit_ = Named(new ValueIndicator(groupBox3_), QStringLiteral("P1_MAP_edit"));
  // The figures keep to their least height, so the meters have room for their captions.
  for (ValueIndicator* figures : {pMapEdit_, p1MapEdit_})
    figures->setMaximumHeight(figures->minimumSizeHint().height());
  column->addWidget(slalaPMap_, 1);
  column->addWidget(pMapEdit_);
  column->addWidget(skalaP1Map_, 1);
  column->addWidget(p1MapEdit_);
  return groupBox3_;
}

QGroupBox* HeaderPanel::buildPort() {
  groupBox5_ = Group("GroupBox5", this);
  auto* row = Compact(new QHBoxLayout(groupBox5_));
  polaczSwitch_ = Named(new ToggleSwitch(groupBox5_), QStringLiteral("Polacz_switch"));
  row->addWidget(polaczSwitch_);
  connect(polaczSwitch_, &ToggleSwitch::toggled, this,
          [this](bool on) { handle([this, on] { tool_.session().Polacz_switchStatusChanged(on); }); });
  return groupBox5_;
}

QGroupBox* HeaderPanel::buildRpm() {
  groupBox7_ = Group("GroupBox7", this);
  auto* column = Compact(new QVBoxLayout(groupBox7_));
  rpmZegar_ = Named(new RoundMeter(groupBox7_), QStringLiteral("RPM_zegar"));
  // The meter is as tall as it is wide; held to a height the header can give.
  rpmZegar_->setMaximumHeight(fontMetrics().height() * 7);
  rpmEdit_ = Named(new ValueIndicator(groupBox7_), QStringLiteral("RPM_Edit"));
  column->addWidget(rpmZegar_, 1, Qt::AlignHCenter);
  column->addWidget(rpmEdit_);
  return groupBox7_;
}

QGroupBox* HeaderPanel::buildTemperatures() {
  groupBox8_ = Group("GroupBox8", this);
  auto* row = Compact(new QHBoxLayout(groupBox8_));
  tempGaz_ = Named(new Thermometer(groupBox8_), QStringLiteral("TempGaz"));
  tempWoda_ = Named(new Thermometer(groupBox8_), QStringLiteral("TempWoda"));
  row->addWidget(tempGaz_);
  row->addWidget(tempWoda_);
  return groupBox8_;
}

QGroupBox* HeaderPanel::buildFuelSwitch() {
  zaplonPanel_ = Group("Zaplon_panel", this);
  zaplonPanel_->setAutoFillBackground(true);
  auto* grid = Compact(new QGridLayout(zaplonPanel_));
  paliwoSwitch_ = Named(new ToggleSwitch(zaplonPanel_), QStringLiteral("paliwo_Switch"));
  connect(paliwoSwitch_, &ToggleSwitch::toggled, this,
          [this] { handle([this] { tool_.commands().paliwo_SwitchClick(); }); });
  grid->addWidget(paliwoSwitch_, 0, 0, 1, 4);
  rezerwaLedGora_ = Named(new Led(zaplonPanel_), QStringLiteral("rezerwa_led_gora"));
  grid->addWidget(rezerwaLedGora_, 0, 4);
  for (std::size_t i = 0; i < gazLeds_.size(); ++i) {
    gazLeds_[i] = Named(new Led(zaplonPanel_), QStringLiteral("Gaz_led_%1g").arg(i + 1));
    grid->addWidget(gazLeds_[i], 1, static_cast<int>(i));
  }
  return zaplonPanel_;
}

void HeaderPanel::refresh() {
  const auto& m = tool_.model();
  Show(groupBox6_, m.GroupBox6);
  Show(skalaPbTime_, m.Skala_PB_time);
  Show(skalaLpgTime_, m.Skala_LPG_time);
  Show(label3_, m.Label3);
  Show(label4_, m.Label4);

  Show(aaa_, m.aaa);
  for (std::size_t i = 0; i < cylLeds_.size(); ++i) {
    Show(cylLeds_[i], m.Cyl_led[i]);
    ShowState(cylShow_[i], m.Cyl_show[i]);
    ShowChecked(cylShow_[i], m.Cyl_show[i].checked);
    ShowAccessibleName(cylShow_[i], ToQString(m.Cyl_show[i].caption));
  }

  Show(groupBox4_, m.GroupBox4);
  Show(lambda1_, m.lambda_1);
  Show(lambda2_, m.lambda_2);

  Show(groupBox3_, m.GroupBox3);
  Show(slalaPMap_, m.Slala_P_MAP);
  Show(pMapEdit_, m.P_MAP_edit);
  Show(skalaP1Map_, m.Skala_P1_MAP);
  Show(p1MapEdit_, m.P1_MAP_edit);

  Show(groupBox5_, m.GroupBox5);
  Show(polaczSwitch_, m.Polacz_switch);
  ShowAccessibleName(polaczSwitch_, groupBox5_->title());
  Show(bateryVpp_, m.BATERY_vpp);

  Show(groupBox7_, m.GroupBox7);
  Show(rpmZegar_, m.RPM_zegar);
  Show(rpmEdit_, m.RPM_Edit);

  Show(groupBox8_, m.GroupBox8);
  Show(tempGaz_, m.TempGaz);
  Show(tempWoda_, m.TempWoda);

  Show(zaplonPanel_, m.Zaplon_panel);
  ShowColor(zaplonPanel_, QPalette::Window, m.Zaplon_panel.color);
  Show(paliwoSwitch_, m.paliwo_Switch);
  ShowAccessibleName(paliwoSwitch_, zaplonPanel_->title());
  Show(rezerwaLedGora_, m.rezerwa_led_gora);
  for (std::size_t i = 0; i < gazLeds_.size(); ++i) Show(gazLeds_[i], m.Gaz_led_g[i]);

  Show(errorLed_, m.Error_Led);
}

}  // namespace tavu::ui
