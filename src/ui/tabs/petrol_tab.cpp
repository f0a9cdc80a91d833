#include "ui/tabs/petrol_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace tavu::ui {

PetrolTab::PetrolTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  auto& m = tool_.model();
  auto* page = new QGridLayout(this);
  groupBox25_ = Named(new QGroupBox(this), QStringLiteral("GroupBox25"));
  page->addWidget(groupBox25_, 0, 0);
  page->setColumnStretch(1, 1);
  page->setRowStretch(1, 1);

  auto* grid = new QGridLayout(groupBox25_);
  int row = 0;
  auto addRow = [&](QLabel*& label, const char* labelName, QComboBox*& list, const char* listName) {
    label = Named(new QLabel(groupBox25_), QString::fromLatin1(labelName));
    list = Named(new QComboBox(groupBox25_), QString::fromLatin1(listName));
    label->setBuddy(list);
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1);
    ++row;
  };
  addRow(label34_, "Label34", selCyl_, "Sel_cyl");
  addRow(label35_, "Label35", selImpuls_, "Sel_Impuls");
  addRow(label36_, "Label36", selRpmSignal_, "Sel_RPM_signal");
  addRow(label37_, "Label37", selTypSilnika_, "Sel_Typ_silnika");
  addRow(label38_, "Label38", selTypWtryskuPetrol_, "Sel_Typ_wtrysku_Petrol");
  addRow(label39_, "Label39", comboBox17_, "ComboBox17");

  label40_ = Named(new QLabel(groupBox25_), QStringLiteral("Label40"));
  checkInjectorPlus_ = Named(new QCheckBox(groupBox25_), QStringLiteral("Check_Injector_plus"));
  label40_->setBuddy(checkInjectorPlus_);
  grid->addWidget(label40_, row, 0);
  grid->addWidget(checkInjectorPlus_, row++, 1);
  fullGroup_ = Named(new QCheckBox(groupBox25_), QStringLiteral("Full_group_CheckBox"));
  grid->addWidget(fullGroup_, row++, 0, 1, 2);
  szybkosc_ = Named(new QComboBox(groupBox25_), QStringLiteral("szybkosc"));
  grid->addWidget(szybkosc_, row++, 1);
  wykresCheckBox_ = Named(new QCheckBox(groupBox25_), QStringLiteral("wykres_CheckBox"));
  grid->addWidget(wykresCheckBox_, row++, 1);

  OnChosen(selCyl_, m.Sel_cyl, command(&SettingCommands::Sel_cylChange));
  OnChosen(selImpuls_, m.Sel_Impuls, command(&SettingCommands::Sel_ImpulsChange));
  OnChosen(selRpmSignal_, m.Sel_RPM_signal, command(&SettingCommands::Sel_RPM_signalChange));
  OnChosen(selTypSilnika_, m.Sel_Typ_silnika, command(&SettingCommands::Sel_Typ_silnikaChange));
  OnClicked(checkInjectorPlus_, m.Check_Injector_plus, command(&SettingCommands::Check_Injector_plusClick));
  OnClicked(fullGroup_, m.Full_group_CheckBox, command(&SettingCommands::Full_group_CheckBoxClick));
}

void PetrolTab::refresh() {
  const auto& m = tool_.model();
  Show(groupBox25_, m.GroupBox25);
  Show(label34_, m.Label34);
  Show(selCyl_, m.Sel_cyl);
  Show(label35_, m.Label35);
  Show(selImpuls_, m.Sel_Impuls);
  Show(label36_, m.Label36);
  Show(selRpmSignal_, m.Sel_RPM_signal);
  Show(label37_, m.Label37);
  Show(selTypSilnika_, m.Sel_Typ_silnika);
  Show(label40_, m.Label40);
  Show(checkInjectorPlus_, m.Check_Injector_plus);
  Show(fullGroup_, m.Full_group_CheckBox);
  Show(label38_, m.Label38);
  Show(selTypWtryskuPetrol_, m.Sel_Typ_wtrysku_Petrol);
  Show(label39_, m.Label39);
  Show(comboBox17_, m.ComboBox17);
  Show(szybkosc_, m.szybkosc);
  Show(wykresCheckBox_, m.wykres_CheckBox);
}

}  // namespace tavu::ui
