#include "ui/tabs/scope_tab.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/bindings.h"
#include "ui/instruments/trend_recorder.h"
#include "ui/qt_convert.h"

namespace tavu::ui {
namespace {

using Click = void (Oscilloscope::*)();

struct Choice {
  const char* name;
  window::CheckBox window::ScopeTabControls::*button;
  Click click;
};

const std::array<Choice, 5> kChoices{{
    {"OSC_PETROL_LPG", &window::ScopeTabControls::OSC_PETROL_LPG, &Oscilloscope::OSC_PETROL_LPGClick},
    {"OSC_MAP_P1", &window::ScopeTabControls::OSC_MAP_P1, &Oscilloscope::OSC_MAP_P1Click},
    {"TEMP_LPG_RED", &window::ScopeTabControls::TEMP_LPG_RED, &Oscilloscope::TEMP_LPG_REDClick},
    {"RPM_LAMBDA1", &window::ScopeTabControls::RPM_LAMBDA1, &Oscilloscope::RPM_LAMBDA1Click},
    {"RPM_LAMBDA2", &window::ScopeTabControls::RPM_LAMBDA2, &Oscilloscope::RPM_LAMBDA2Click},
}};

}  // namespace

ScopeTab::ScopeTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  Named(this, QStringLiteral("TabSheet7"));
  recorder_ = new TrendRecorder(this);
  Named(recorder_, QStringLiteral("Oscyloskop"));

  group_ = new QGroupBox(this);
  Named(group_, QStringLiteral("RadioGroup1"));
  choice_ = new QButtonGroup(this);
  auto* list = new QVBoxLayout(group_);
  for (std::size_t i = 0; i < kChoices.size(); ++i) {
    buttons_[i] = new QRadioButton(group_);
    Named(buttons_[i], QString::fromLatin1(kChoices[i].name));
    choice_->addButton(buttons_[i]);
    list->addWidget(buttons_[i]);
    connect(buttons_[i], &QRadioButton::clicked, this,
            [this, click = kChoices[i].click] { handle([&] { (tool_.oscilloscope().*click)(); }); });
  }
  list->addStretch(1);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 4, 4, 4);
  row->addWidget(recorder_, 1);
  row->addWidget(group_);
}

void ScopeTab::refresh() {
  const auto& m = tool_.model();
  const window::ScopeTabControls& scope = m;
  Show(group_, m.RadioGroup1);
  for (std::size_t i = 0; i < kChoices.size(); ++i) Show(buttons_[i], scope.*kChoices[i].button);

  const auto& model = m.Oscyloskop;
  ShowState(recorder_, model);
  for (int c = 0; c < TrendRecorder::kChannels; ++c) {
    const auto& channel = model.channels[static_cast<std::size_t>(c)];
    recorder_->setChannelName(c, ToQString(channel.name));
    recorder_->setChannelUnit(c, ToQString(channel.unit));
    recorder_->setChannelRange(c, 0, channel.fullScale);
    recorder_->setChannelDecimals(c, channel.decimals);
  }
  const std::uint64_t fresh = std::min<std::uint64_t>(model.added - drawn_, model.samples.size());
  for (auto it = model.samples.end() - static_cast<std::ptrdiff_t>(fresh); it != model.samples.end(); ++it)
    recorder_->addSample((*it)[0], (*it)[1]);
  drawn_ = model.added;
}

}  // namespace tavu::ui
