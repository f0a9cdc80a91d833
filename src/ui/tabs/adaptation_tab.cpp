#include "ui/tabs/adaptation_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/bindings.h"
#include "ui/qt_convert.h"
#include "ui/tabs/tab_events.h"

namespace tavu::ui {

AdaptationTab::AdaptationTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  Named(this, QStringLiteral("TabSheet3"));

  progress_ = new QProgressBar(this);
  Named(progress_, QStringLiteral("Adaptacja_progres"));
  progress_->setTextVisible(false);
  progress_->setFixedHeight(24);

  auto* box = new QGroupBox(this);
  info_ = new QLabel(box);
  Named(info_, QStringLiteral("Adaptacja_info"));
  info_->setAlignment(Qt::AlignCenter);
  info_->setWordWrap(true);
  QFont font = info_->font();
  font.setPixelSize(16);
  info_->setFont(font);
  auto* inBox = new QVBoxLayout(box);
  inBox->addWidget(info_);

  heading_ = new QLabel(this);
  Named(heading_, QStringLiteral("Label28"));
  start_ = new QPushButton(this);
  Named(start_, QStringLiteral("Button_start"));
  stop_ = new QPushButton(this);
  Named(stop_, QStringLiteral("Button_stop"));
  for (QPushButton* button : {start_, stop_}) button->setMinimumSize(110, 32);
  connect(start_, &QPushButton::clicked, this, [this] { handle([&] { tool_.adaptation().Button_startClick(); }); });
  connect(stop_, &QPushButton::clicked, this, [this] { handle([&] { tool_.adaptation().Button_stopClick(); }); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(heading_);
  buttons->addStretch(1);
  buttons->addWidget(start_);
  buttons->addWidget(stop_);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(progress_);
  column->addWidget(box, 1);
  column->addLayout(buttons);
}

void AdaptationTab::refresh() {
  const auto& m = tool_.model();
  Show(heading_, m.Label28);
  const auto& bar = m.Adaptacja_progres;
  ShowState(progress_, bar);
  progress_->setRange(bar.minimum, bar.maximum);
  progress_->setValue(bar.position);
  Show(info_, m.Adaptacja_info);
  info_->setText(ToQString(m.Adaptacja_info.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  Show(start_, m.Button_start);
  Show(stop_, m.Button_stop);
}

void AdaptationTab::showEvent(QShowEvent* event) {
  TabPage::showEvent(event);
  if (BroughtToFront(*this, *event)) Later(this, [this] { handle([&] { tool_.service().TabSheet3Show(); }); });
}

}  // namespace tavu::ui
