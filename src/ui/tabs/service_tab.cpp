#include "ui/tabs/service_tab.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ui/bindings.h"
#include "ui/instruments/instrument_style.h"
#include "ui/instruments/numeric_spin.h"
#include "ui/qt_convert.h"
#include "ui/tabs/tab_events.h"

namespace tavu::ui {
namespace {

constexpr int kShareScale = 10;  // the gas share bar counts tenths of a per cent

QLineEdit* Field(QWidget* parent, const char* name) {
  auto* field = Named(new QLineEdit(parent), QString::fromLatin1(name));
  field->setAlignment(Qt::AlignLeft);
  QFont mono = field->font();
  mono.setStyleHint(QFont::Monospace);
  mono.setFamily(QStringLiteral("Monospace"));
  field->setFont(mono);
  return field;
}

void Show(QDateEdit* picker, const window::DatePicker& model) {
  ShowState(picker, model);
  picker->setDate(ServiceTab::DateOf(model.value));
}

}  // namespace

QDate ServiceTab::DateOf(double dayCount) {
  return QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(dayCount)));
}

ServiceTab::ServiceTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  Named(this, QStringLiteral("TabSheet10"));

  petrolBox_ = Named(new QGroupBox(this), QStringLiteral("Praca_na_benzynie_Box"));
  petrolTime_ = Field(petrolBox_, "Czas_benzyny_Edit");
  petrolKm_ = Field(petrolBox_, "km_benzyna_Edit");
  auto* petrolRow = new QHBoxLayout(petrolBox_);
  petrolRow->setContentsMargins(6, 2, 6, 4);
  petrolRow->addWidget(petrolTime_, 5);
  petrolRow->addWidget(petrolKm_, 2);

  gasBox_ = Named(new QGroupBox(this), QStringLiteral("Praca_na_gazie_Box"));
  gasTime_ = Field(gasBox_, "Czas_gazu_Edit");
  gasKm_ = Field(gasBox_, "km_gaz_Edit");
  auto* gasRow = new QHBoxLayout(gasBox_);
  gasRow->setContentsMargins(6, 2, 6, 4);
  gasRow->addWidget(gasTime_, 5);
  gasRow->addWidget(gasKm_, 2);

  gasShare_ = Named(new QProgressBar(this), QStringLiteral("gaz_na_benzyna"));
  gasShare_->setRange(0, 100 * kShareScale);
  gasShare_->setAlignment(Qt::AlignCenter);

  factorBox_ = Named(new QGroupBox(this), QStringLiteral("Korekcja_box"));
  hourLabel_ = Named(new QLabel(factorBox_), QStringLiteral("godz_Label"));
  factor_ = Named(new NumericSpin(factorBox_), QStringLiteral("przelicznik"));
  kmLabel_ = Named(new QLabel(factorBox_), QStringLiteral("km_Label"));
  auto* factorRow = new QHBoxLayout(factorBox_);
  factorRow->setContentsMargins(6, 2, 6, 4);
  factorRow->addWidget(hourLabel_);
  factorRow->addWidget(factor_);
  factorRow->addWidget(kmLabel_);
  factorRow->addStretch(1);

  serviceBox_ = Named(new QGroupBox(this), QStringLiteral("Do_przegladu_Box"));
  hoursLabel_ = Named(new QLabel(serviceBox_), QStringLiteral("Za_godz_Label"));
  hours_ = Named(new NumericSpin(serviceBox_), QStringLiteral("za_godz"));
  kmsLabel_ = Named(new QLabel(serviceBox_), QStringLiteral("Za_km_Label"));
  kms_ = Named(new NumericSpin(serviceBox_), QStringLiteral("za_km"));
  dueTime_ = Field(serviceBox_, "Do_Przeglad_Edit");
  dueKm_ = Field(serviceBox_, "km_Do_Przeglad_Edit");
  setService_ = Named(new QPushButton(serviceBox_), QStringLiteral("Ustaw_przeglad_Button"));
  resetAlarm_ = Named(new QPushButton(serviceBox_), QStringLiteral("Kasuj_alarm_BitBtn"));
  auto* serviceGrid = new QGridLayout(serviceBox_);
  serviceGrid->setContentsMargins(6, 2, 6, 4);
  serviceGrid->addWidget(dueTime_, 0, 0, 1, 4);
  serviceGrid->addWidget(dueKm_, 0, 4, 1, 2);
  serviceGrid->addWidget(hoursLabel_, 1, 0);
  serviceGrid->addWidget(hours_, 1, 1);
  serviceGrid->addWidget(kmsLabel_, 1, 2);
  serviceGrid->addWidget(kms_, 1, 3);
  serviceGrid->addWidget(setService_, 1, 4);
  serviceGrid->addWidget(resetAlarm_, 1, 5);
  serviceGrid->setVerticalSpacing(3);
  serviceGrid->setColumnStretch(1, 1);
  serviceGrid->setColumnStretch(3, 1);

  auto* dates = new QGridLayout;
  firstLabel_ = Named(new QLabel(this), QStringLiteral("Data_pierwsza_adapt_Label"));
  firstDate_ = Named(new QDateEdit(this), QStringLiteral("Data_Pierwsza_Pick"));
  firstTime_ = Named(new QLineEdit(this), QStringLiteral("Data_Pierwsza_time"));
  lastLabel_ = Named(new QLabel(this), QStringLiteral("Data_ostatnia_adapt_Label"));
  lastDate_ = Named(new QDateEdit(this), QStringLiteral("Data_Ostatnia_Pick"));
  lastTime_ = Named(new QLineEdit(this), QStringLiteral("Data_Ostatnia_time"));
  for (QLineEdit* time : {firstTime_, lastTime_}) time->setFixedWidth(76);
  for (QDateEdit* picker : {firstDate_, lastDate_}) {
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    picker->setButtonSymbols(QAbstractSpinBox::NoButtons);
  }
  dates->addWidget(firstLabel_, 0, 0, 1, 2);
  dates->addWidget(firstDate_, 1, 0);
  dates->addWidget(firstTime_, 1, 1);
  dates->addWidget(lastLabel_, 2, 0, 1, 2);
  dates->addWidget(lastDate_, 3, 0);
  dates->addWidget(lastTime_, 3, 1);
  dates->setColumnStretch(0, 1);
  dates->setVerticalSpacing(1);

  auto& m = tool_.model();
  OnStepped(factor_, m.przelicznik, [this] { handle([&] { tool_.service().przelicznikChange(); }); });
  OnStepped(hours_, m.za_godz, [this] { handle([&] { tool_.service().za_godzValueChanged(); }); });
  OnStepped(kms_, m.za_km, [this] { handle([&] { tool_.service().za_kmValueChanged(); }); });
  connect(setService_, &QPushButton::clicked, this,
          [this] { handle([&] { tool_.service().Ustaw_Click("Ustaw_przeglad_Button"); }); });
  connect(resetAlarm_, &QPushButton::clicked, this,
          [this] { handle([&] { tool_.service().Ustaw_Click("Kasuj_alarm_BitBtn"); }); });

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 0, 4, 2);
  grid->setVerticalSpacing(0);
  grid->addWidget(petrolBox_, 0, 0);
  grid->addWidget(factorBox_, 0, 1);
  grid->addWidget(gasBox_, 1, 0);
  grid->addWidget(gasShare_, 1, 1, Qt::AlignVCenter);
  grid->addWidget(serviceBox_, 2, 0);
  grid->addLayout(dates, 2, 1);
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 1);
}

void ServiceTab::refresh() {
  const auto& m = tool_.model();
  Show(petrolBox_, m.Praca_na_benzynie_Box);
  Show(petrolTime_, m.Czas_benzyny_Edit);
  Show(petrolKm_, m.km_benzyna_Edit);
  Show(gasBox_, m.Praca_na_gazie_Box);
  Show(gasTime_, m.Czas_gazu_Edit);
  Show(gasKm_, m.km_gaz_Edit);

  const auto& share = m.gaz_na_benzyna;
  ShowState(gasShare_, share);
  gasShare_->setValue(static_cast<int>(std::lround(std::clamp(share.value, share.minimum, share.maximum) * kShareScale)));
  gasShare_->setFormat(instrument::FormatNumber(share.value, share.decimals) + QLatin1Char(' ') + ToQString(share.unit));
  ShowColor(gasShare_, QPalette::Highlight, share.onColor);
  ShowColor(gasShare_, QPalette::Base, share.backColor);
  ShowColor(gasShare_, QPalette::HighlightedText, colors::kWindow);
  ShowColor(gasShare_, QPalette::Text, colors::kWindow);

  Show(factorBox_, m.Korekcja_box);
  Show(hourLabel_, m.godz_Label);
  Show(factor_, m.przelicznik);
  Show(kmLabel_, m.km_Label);

  Show(serviceBox_, m.Do_przegladu_Box);
  Show(hoursLabel_, m.Za_godz_Label);
  Show(hours_, m.za_godz);
  Show(kmsLabel_, m.Za_km_Label);
  Show(kms_, m.za_km);
  Show(dueTime_, m.Do_Przeglad_Edit);
  Show(dueKm_, m.km_Do_Przeglad_Edit);
  Show(setService_, m.Ustaw_przeglad_Button);
  Show(resetAlarm_, m.Kasuj_alarm_BitBtn);

  Show(firstLabel_, m.Data_pierwsza_adapt_Label);
  Show(firstDate_, m.Data_Pierwsza_Pick);
  Show(firstTime_, m.Data_Pierwsza_time);
  Show(lastLabel_, m.Data_ostatnia_adapt_Label);
  Show(lastDate_, m.Data_Ostatnia_Pick);
  Show(lastTime_, m.Data_Ostatnia_time);
}

void ServiceTab::showEvent(QShowEvent* event) {
  TabPage::showEvent(event);
  if (BroughtToFront(*this, *event)) Later(this, [this] { handle([&] { tool_.service().przelicznikChange(); }); });
}

}  // namespace tavu::ui
