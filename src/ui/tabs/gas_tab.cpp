#include "ui/tabs/gas_tab.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/instruments/instrument_style.h"
#include "ui/instruments/vertical_slider.h"
#include "ui/qt_convert.h"

namespace tavu::ui {

GasTab::GasTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  auto& m = tool_.model();
  auto* page = new QHBoxLayout(this);

  auto* left = new QVBoxLayout;
  groupBox12_ = Named(new QGroupBox(this), QStringLiteral("GroupBox12"));
  auto* injector = new QVBoxLayout(groupBox12_);
  selTypWtrysku_ = Named(new QComboBox(groupBox12_), QStringLiteral("Sel_Typ_wtrysku"));
  injector->addWidget(selTypWtrysku_);
  left->addWidget(groupBox12_);

  groupBox15_ = Named(new QGroupBox(this), QStringLiteral("GroupBox15"));
  auto* fuel = new QHBoxLayout(groupBox15_);
  lpg_ = Named(new QRadioButton(groupBox15_), QStringLiteral("LPG_RadioButton"));
  cng_ = Named(new QRadioButton(groupBox15_), QStringLiteral("CNG_RadioButton"));
  fuel_ = new QButtonGroup(groupBox15_);
  fuel_->addButton(lpg_);
  fuel_->addButton(cng_);
  fuel->addWidget(lpg_);
  fuel->addWidget(cng_);
  left->addWidget(groupBox15_);
  left->addStretch(1);
  page->addLayout(left);

  groupBox19_ = Named(new QGroupBox(this), QStringLiteral("GroupBox19"));
  auto* sensors = new QGridLayout(groupBox19_);
  int row = 0;
  auto addRow = [&](QLabel*& label, const char* labelName, QComboBox*& list, const char* listName) {
    label = Named(new QLabel(groupBox19_), QString::fromLatin1(labelName));
    list = Named(new QComboBox(groupBox19_), QString::fromLatin1(listName));
    label->setBuddy(list);
    sensors->addWidget(label, row, 0);
    sensors->addWidget(list, row++, 1);
  };
  addRow(label20_, "Label20", p1MapChanger_, "P1_MAP_changer");
  addRow(label21_, "Label21", tRedChanger_, "T_RED_changer");
  addRow(label22_, "Label22", tGazChanger_, "T_GAZ_changer");
  sensors->setRowStretch(row, 1);
  page->addWidget(groupBox19_, 1);

  groupBox14_ = Named(new QGroupBox(this), QStringLiteral("GroupBox14"));
  new QGridLayout(groupBox14_);
  pPracy_ =
      addSlider(0, QStringLiteral("P_pracy_changer"), m.P_pracy_changer, &SettingCommands::P_pracy_changerRelease);
  pMin_ = addSlider(1, QStringLiteral("P_min_changer"), m.P_min_changer, &SettingCommands::P_min_changerRelease);
  page->addWidget(groupBox14_);

  OnChosen(selTypWtrysku_, m.Sel_Typ_wtrysku, command(&SettingCommands::Sel_Typ_wtryskuChange));
  OnChosen(tRedChanger_, m.T_RED_changer, command(&SettingCommands::T_RED_changerChange));
  OnChosen(tGazChanger_, m.T_GAZ_changer, command(&SettingCommands::T_GAZ_changerChange));
  // One handler for both buttons; it reads which of the two is checked.
  connect(fuel_, &QButtonGroup::buttonClicked, this, [this] {
    handle([this] {
      tool_.model().LPG_RadioButton.checked = lpg_->isChecked();
      tool_.model().CNG_RadioButton.checked = cng_->isChecked();
      tool_.commands().LPG_CNG_RadioButtonClick();
    });
  });
}

GasTab::PressureSlider GasTab::addSlider(int column, const QString& name, window::Slider& model,
                                         void (SettingCommands::*handler)()) {
  auto* grid = static_cast<QGridLayout*>(groupBox14_->layout());
  PressureSlider view;
  view.caption = Named(new QLabel(groupBox14_), name + QStringLiteral("_caption"));
  view.slider = Named(new VerticalSlider(groupBox14_), name);
  view.reading = Named(new QLabel(groupBox14_), name + QStringLiteral("_reading"));
  view.caption->setAlignment(Qt::AlignCenter);
  view.reading->setAlignment(Qt::AlignCenter);
  grid->addWidget(view.caption, 0, column);
  grid->addWidget(view.slider, 1, column, Qt::AlignHCenter);
  grid->addWidget(view.reading, 2, column);
  grid->setRowStretch(1, 1);
  OnReleased(view.slider, model, command(handler));
  // The reading follows the thumb while it moves.
  connect(view.slider, &VerticalSlider::valueEdited, this, [this, view, &model] { showSlider(view, model); });
  return view;
}

void GasTab::showSlider(const PressureSlider& view, const window::Slider& model) {
  Show(view.slider, model);
  ShowState(view.caption, model);
  ShowState(view.reading, model);
  ShowText(view.caption, ToQString(model.caption));
  ShowText(view.reading, instrument::JoinNonEmpty(
                             {instrument::FormatNumber(model.value, 2, locale()), ToQString(model.secondCaption)}));
}

void GasTab::refresh() {
  const auto& m = tool_.model();
  Show(groupBox12_, m.GroupBox12);
  Show(selTypWtrysku_, m.Sel_Typ_wtrysku);
  Show(groupBox15_, m.GroupBox15);
  Show(lpg_, m.LPG_RadioButton);
  Show(cng_, m.CNG_RadioButton);
  Show(groupBox19_, m.GroupBox19);
  Show(label20_, m.Label20);
  Show(p1MapChanger_, m.P1_MAP_changer);
  Show(label21_, m.Label21);
  Show(tRedChanger_, m.T_RED_changer);
  Show(label22_, m.Label22);
  Show(tGazChanger_, m.T_GAZ_changer);
  Show(groupBox14_, m.GroupBox14);
  showSlider(pPracy_, m.P_pracy_changer);
  showSlider(pMin_, m.P_min_changer);
}

}  // namespace tavu::ui
