#include "ui/tabs/diagnostics_tab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/bindings.h"
#include "ui/instruments/led_bar.h"
#include "ui/instruments/numeric_spin.h"
#include "ui/qt_convert.h"

namespace tavu::ui {

DiagnosticsTab::DiagnosticsTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  auto& m = tool_.model();
  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(4, 4, 4, 4);

  auto* bars = new QHBoxLayout;
  auto* legend = new QVBoxLayout;
  label6_ = Named(new QLabel(this), QStringLiteral("Label6"));
  label5_ = Named(new QLabel(this), QStringLiteral("Label5"));
  legend->addWidget(label6_);
  legend->addWidget(label5_);
  legend->addStretch(1);
  bars->addLayout(legend);
  for (std::size_t i = 0; i < petrolBars_.size(); ++i) {
    petrolBars_[i] = Named(new LedBar(this), QStringLiteral("Skala_PB_time%1").arg(i + 1));
    gasBars_[i] = Named(new LedBar(this), QStringLiteral("gaz_slupek_%1").arg(i + 1));
    auto* pair = new QHBoxLayout;
    pair->setSpacing(1);
    pair->addWidget(petrolBars_[i]);
    pair->addWidget(gasBars_[i]);
    bars->addLayout(pair, 1);
  }
  page->addLayout(bars, 1);

  panelKorekta_ = Named(new QGroupBox(this), QStringLiteral("Panel_korekta"));
  auto* corrections = new QHBoxLayout(panelKorekta_);
  corrections->setContentsMargins(4, 0, 4, 4);
  for (std::size_t i = 0; i < kor_.size(); ++i) {
    kor_[i] = Named(new NumericSpin(panelKorekta_), QString::fromStdString(window::KorName(i)));
    corrections->addWidget(kor_[i]);
    OnStepped(kor_[i], m.Kor[i], [this, i] { handle([this, i] { tool_.commands().KorChange(i); }); });
  }
  page->addWidget(panelKorekta_);
}

void DiagnosticsTab::refresh() {
  const auto& m = tool_.model();
  Show(label6_, m.Label6);
  Show(label5_, m.Label5);
  for (std::size_t i = 0; i < petrolBars_.size(); ++i) {
    Show(petrolBars_[i], m.Skala_PB_time_n[i]);
    Show(gasBars_[i], m.gaz_slupek[i]);
  }
  Show(panelKorekta_, m.Panel_korekta);
  // A correction has no caption of its own: it is the group's, for its cylinder.
  for (std::size_t i = 0; i < kor_.size(); ++i) {
    Show(kor_[i], m.Kor[i]);
    ShowAccessibleName(kor_[i], QStringLiteral("%1 %2").arg(ToQString(m.Panel_korekta.caption).trimmed()).arg(i + 1));
  }
}

}  // namespace tavu::ui
