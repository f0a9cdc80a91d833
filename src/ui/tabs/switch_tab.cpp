#include "ui/tabs/switch_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstdlib>

#include "ui/instruments/dial.h"
#include "ui/instruments/led.h"
#include "ui/instruments/vertical_slider.h"
#include "ui/qt_convert.h"

namespace tavu::ui {
namespace {

// Where the threshold slider's left edge stands, in the window's own
// coordinates, while it edits threshold box 1, 2, 3 or 4.
constexpr std::array<int, 4> kThresholdSliderLefts{244, 306, 370, 434};

// Focus that comes and goes with a list's own popup or with another
// application is no entering or leaving of the control.
bool IsUserFocusChange(const QEvent* event) {
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

SwitchTab::SwitchTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  auto& m = tool_.model();
  auto* page = new QGridLayout(this);
  page->setContentsMargins(2, 2, 2, 2);
  page->setSpacing(4);

  groupBox17_ = Named(new QGroupBox(this), QStringLiteral("GroupBox17"));
  Compact(new QGridLayout(groupBox17_));
  dials_[0] = addDial(groupBox17_, 0, QStringLiteral("RPM_Max_To_Petrol"), m.RPM_Max_To_Petrol, 100,
                      &SettingCommands::RPM_Max_To_PetrolRelease);
  dials_[1] = addDial(groupBox17_, 1, QStringLiteral("T_zwloki_changer"), m.T_zwloki_changer, 1,
                      &SettingCommands::T_zwloki_changerRelease);
  dials_[2] = addDial(groupBox17_, 2, QStringLiteral("Min_Temp_Petrol_changer"), m.Min_Temp_Petrol_changer, 1,
                      &SettingCommands::Min_Temp_Petrol_changerRelease);
  dials_[3] = addDial(groupBox17_, 3, QStringLiteral("RPM_Min_To_Petrol"), m.RPM_Min_To_Petrol, 100,
                      &SettingCommands::RPM_Min_To_PetrolRelease);
  auto* firstDrop = new QHBoxLayout;
  label24_ = Named(new QLabel(groupBox17_), QStringLiteral("Label24"));
  checkByFirst_ = Named(new QCheckBox(groupBox17_), QStringLiteral("Check_by_first"));
  label24_->setBuddy(checkByFirst_);
  firstDrop->addWidget(checkByFirst_);
  firstDrop->addWidget(label24_, 1);
  static_cast<QGridLayout*>(groupBox17_->layout())->addLayout(firstDrop, 2, 0, 1, 4);
  OnClicked(checkByFirst_, m.Check_by_first, command(&SettingCommands::Check_by_firstClick));

  groupBox13_ = Named(new QGroupBox(this), QStringLiteral("GroupBox13"));
  Compact(new QGridLayout(groupBox13_));
  dials_[4] = addDial(groupBox13_, 0, QStringLiteral("Temp_LPG_changer"), m.Temp_LPG_changer, 1,
                      &SettingCommands::Temp_LPG_changerRelease);
  dials_[5] = addDial(groupBox13_, 1, QStringLiteral("RPM_Prog_przel"), m.RPM_Prog_przel, 100,
                      &SettingCommands::RPM_Prog_przelRelease);
  dials_[6] = addDial(groupBox13_, 2, QStringLiteral("T_przel_to_LPG"), m.T_przel_to_LPG, 1,
                      &SettingCommands::T_przel_to_LPGRelease);
  dials_[7] = addDial(groupBox13_, 3, QStringLiteral("T_CYL_seqence"), m.T_CYL_seqence, 10,
                      &SettingCommands::T_CYL_seqenceRelease);

  page->addWidget(groupBox17_, 0, 0, Qt::AlignTop);
  page->addWidget(groupBox13_, 0, 1, Qt::AlignTop);
  page->addWidget(buildLevelIndicator(), 1, 0, 1, 2);
  page->setRowStretch(0, 1);
}

SwitchTab::NamedDial SwitchTab::addDial(QGroupBox* group, int column, const QString& name, window::Dial& model,
                                        int step, void (SettingCommands::*handler)()) {
  auto* grid = static_cast<QGridLayout*>(group->layout());
  NamedDial view;
  view.name = Named(new QLabel(group), name + QStringLiteral("_name"));
  view.name->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  view.dial = Named(new Dial(group), name);
  view.dial->setSingleStep(step);
  view.model = &model;
  grid->addWidget(view.name, 0, column);
  grid->addWidget(view.dial, 1, column);
  OnReleased(view.dial, model, command(handler));
  return view;
}

QGroupBox* SwitchTab::buildLevelIndicator() {
  groupBox18_ = Named(new QGroupBox(this), QStringLiteral("GroupBox18"));
  auto* row = Compact(new QHBoxLayout(groupBox18_));
  label16_ = Named(new QLabel(groupBox18_), QStringLiteral("Label16"));
  uZbiornika_ = Named(new QLineEdit(groupBox18_), QStringLiteral("U_zbiornika"));
  label16_->setBuddy(uZbiornika_);
  label17_ = Named(new QLabel(groupBox18_), QStringLiteral("Label17"));
  rodzCzujLpg_ = Named(new QComboBox(groupBox18_), QStringLiteral("Rodz_czuj_LPG"));
  label17_->setBuddy(rodzCzujLpg_);
  const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 12;
  uZbiornika_->setFixedWidth(boxWidth);
  row->addWidget(label16_);
  row->addWidget(uZbiornika_);
  row->addSpacing(8);
  row->addWidget(label17_);
  row->addWidget(rodzCzujLpg_);
  row->addSpacing(8);
  rezerwaLedPanel_ = Named(new Led(groupBox18_), QStringLiteral("Rezerwa_led_panel"));
  row->addWidget(rezerwaLedPanel_);
  for (std::size_t i = 0; i < gazLeds_.size(); ++i) {
    gazLeds_[i] = Named(new Led(groupBox18_), QStringLiteral("Gaz_led_%1p").arg(i + 1));
    row->addWidget(gazLeds_[i]);
  }
  row->addSpacing(8);
  for (std::size_t i = 0; i < thresholds_.size(); ++i) {
    thresholds_[i] = Named(new QLineEdit(groupBox18_), QStringLiteral("Ch_U_LPG_%1").arg(i + 1));
    thresholds_[i]->setFixedWidth(boxWidth);
    thresholds_[i]->installEventFilter(this);
    row->addWidget(thresholds_[i]);
  }
  row->addStretch(1);

  auto& m = tool_.model();
  OnChosen(rodzCzujLpg_, m.Rodz_czuj_LPG,
           [this] { handle([this] { tool_.commands().Ch_U_LPG_X_Change(SettingCommands::kSensorList); }); });
  rodzCzujLpg_->installEventFilter(this);

  // The slider stands over the box it edits, above the other groups, while it
  // is shown; it is laid out by placeThresholdSlider(), not by the layout.
  thresholdSlider_ = Named(new VerticalSlider(this), QStringLiteral("Ch_U_LPG_changer"));
  thresholdSlider_->installEventFilter(this);
  connect(thresholdSlider_, &VerticalSlider::valueEdited, this, [this](int position) {
    handle([this, position] {
      auto& slider = tool_.model().Ch_U_LPG_changer;
      slider.value = SliderValue(slider, position);
      tool_.commands().Ch_U_LPG_changerValueChange();
    });
  });
  connect(thresholdSlider_, &VerticalSlider::valueCommitted, this, [this](int position) {
    handle([this, position] {
      auto& slider = tool_.model().Ch_U_LPG_changer;
      slider.value = SliderValue(slider, position);
      tool_.commands().Ch_U_LPG_X_Change(SettingCommands::kSlider);
    });
  });
  return groupBox18_;
}

bool SwitchTab::eventFilter(QObject* watched, QEvent* event) {
  const bool in = event->type() == QEvent::FocusIn;
  if ((in || event->type() == QEvent::FocusOut) && IsUserFocusChange(event)) {
    if (watched == rodzCzujLpg_) {
      handle([this, in] {
        if (in)
          tool_.commands().Ch_U_LPG_X_Enter(SettingCommands::kSensorList);
        else
          tool_.commands().Ch_U_LPG_X_Exit();
      });
    } else if (watched == thresholdSlider_ && !in) {
      handle([this] { tool_.commands().Ch_U_LPG_X_Exit(); });
    } else if (in) {
      for (std::size_t i = 0; i < thresholds_.size(); ++i)
        if (watched == thresholds_[i]) handle([this, i] { tool_.commands().Ch_U_LPG_X_Enter(static_cast<int>(i)); });
    }
  }
  return TabPage::eventFilter(watched, event);
}

void SwitchTab::resizeEvent(QResizeEvent* event) {
  TabPage::resizeEvent(event);
  placeThresholdSlider();
}

void SwitchTab::placeThresholdSlider() {
  const auto& model = tool_.model().Ch_U_LPG_changer;
  if (!model.visible) return;
  std::size_t nearest = 0;
  for (std::size_t k = 1; k < kThresholdSliderLefts.size(); ++k)
    if (std::abs(model.left - kThresholdSliderLefts[k]) < std::abs(model.left - kThresholdSliderLefts[nearest]))
      nearest = k;
  const QWidget* box = thresholds_[nearest];
  const QPoint boxTop = box->mapTo(this, QPoint(box->width() / 2, 0));
  const QSize hint = thresholdSlider_->sizeHint();
  const int height = std::min(hint.height(), boxTop.y() - 2);
  const QRect place(boxTop.x() - hint.width() / 2, boxTop.y() - 2 - height, hint.width(), height);
  if (thresholdSlider_->geometry() != place) thresholdSlider_->setGeometry(place);
  thresholdSlider_->raise();
}

void SwitchTab::refresh() {
  const auto& m = tool_.model();
  Show(groupBox17_, m.GroupBox17);
  Show(groupBox13_, m.GroupBox13);
  for (const NamedDial& view : dials_) {
    Show(view.dial, *view.model);
    ShowState(view.name, *view.model);
    ShowText(view.name, ToQString(view.model->secondCaption));
  }
  Show(label24_, m.Label24);
  Show(checkByFirst_, m.Check_by_first);

  Show(groupBox18_, m.GroupBox18);
  Show(label16_, m.Label16);
  Show(uZbiornika_, m.U_zbiornika);
  Show(label17_, m.Label17);
  Show(rodzCzujLpg_, m.Rodz_czuj_LPG);
  Show(rezerwaLedPanel_, m.Rezerwa_led_panel);
  for (std::size_t i = 0; i < gazLeds_.size(); ++i) Show(gazLeds_[i], m.Gaz_led_p[i]);
  for (std::size_t i = 0; i < thresholds_.size(); ++i) Show(thresholds_[i], m.Ch_U_LPG[i]);
  placeThresholdSlider();
  Show(thresholdSlider_, m.Ch_U_LPG_changer);
}

}  // namespace tavu::ui
