#include "ui/tabs/info_tab.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/bindings.h"
#include "ui/qt_convert.h"
#include "ui/tabs/flag_icon.h"

namespace tavu::ui {
namespace {

constexpr std::array<const char*, 4> kLinkNames{"TAVU_Linl_label", "TAVU_Linl_new_label", "Label23", "Label45"};

QLabel* Picture(QWidget* parent) {
  auto* picture = new QLabel(parent);
  Named(picture, QStringLiteral("Image_TAVU"));
  picture->setAlignment(Qt::AlignCenter);
  picture->setTextFormat(Qt::RichText);
  picture->setText(QStringLiteral("<div style='font-size:40px; font-weight:bold; color:#1b4f8a'>TAVU</div>"
                                  "<div style='font-size:12px; color:#444'>sekwencyjne systemy wtrysku gazu</div>"));
  picture->setMinimumWidth(260);
  return picture;
}

}  // namespace

InfoTab::InfoTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  Named(this, QStringLiteral("TabSheet12"));
  panel_ = new QFrame(this);
  Named(panel_, QStringLiteral("Panel1"));
  panel_->setMouseTracking(true);
  panel_->installEventFilter(this);

  auto* addresses = new QVBoxLayout;
  addresses->addStretch(1);
  for (std::size_t i = 0; i < links_.size(); ++i) {
    links_[i] = new QLabel(panel_);
    Named(links_[i], QString::fromLatin1(kLinkNames[i]));
    links_[i]->setCursor(Qt::PointingHandCursor);
    links_[i]->setMouseTracking(true);
    links_[i]->installEventFilter(this);
    QFont font = links_[i]->font();
    font.setPixelSize(15);
    links_[i]->setFont(font);
    addresses->addWidget(links_[i], 0, Qt::AlignLeft);
  }
  addresses->addStretch(1);

  auto* flagRow = new QHBoxLayout;
  flagRow->addStretch(1);
  const auto& flags = tool_.model().Flags;
  for (std::size_t i = 0; i < flags_.size(); ++i) {
    flags_[i] = new QPushButton(panel_);
    Named(flags_[i], ToQString(flags[i].name));
    flags_[i]->setIcon(FlagIcon(flags[i].language));
    flags_[i]->setIconSize(QSize(30, 20));
    flags_[i]->setFlat(true);
    connect(flags_[i], &QPushButton::clicked, this,
            [this, language = flags[i].language] { handle([&] { tool_.session().LanguageClick(language); }); });
    flagRow->addWidget(flags_[i]);
  }
  flagRow->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(Picture(panel_), 1);
  top->addLayout(addresses, 1);
  auto* inPanel = new QVBoxLayout(panel_);
  inPanel->addLayout(top, 1);
  inPanel->addLayout(flagRow);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(panel_);
}

void InfoTab::refresh() {
  auto& m = tool_.model();
  ShowState(panel_, m.Panel1);
  for (std::size_t i = 0; i < links_.size(); ++i) Show(links_[i], *m.findLink(kLinkNames[i]));
  for (std::size_t i = 0; i < flags_.size(); ++i) Show(flags_[i], m.Flags[i]);
}

bool InfoTab::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return TabPage::eventFilter(watched, event);
  if (watched == panel_) {
    if (type == QEvent::MouseMove) handle([&] { tool_.infoLinks().Panel1MouseMove(); });
    return false;
  }
  // A label's own events end here: passed on, they would reach the panel.
  const std::string label = watched->objectName().toStdString();
  if (type == QEvent::MouseMove)
    handle([&] { tool_.infoLinks().TAVU_Linl_labelMouseMove(label); });
  else if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    handle([&] { tool_.infoLinks().TAVU_Linl_labelClick(label); });
  return true;
}

}  // namespace tavu::ui
