#include "ui/tabs/map_tab.h"

#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/bindings.h"
#include "ui/map/grid_page.h"
#include "ui/map/point_page.h"
#include "ui/map/region_page.h"
#include "ui/qt_convert.h"
#include "ui/tabs/tab_events.h"

namespace tavu::ui {

MapTab::MapTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  Named(this, QStringLiteral("TabSheet4"));
  pages_ = new QTabWidget(this);
  Named(pages_, QStringLiteral("PageControl1"));
  pages_->setTabPosition(QTabWidget::West);
  pages_->setDocumentMode(true);
  const MapPage::Handle run = [this](const std::function<void()>& handler) { handle(handler); };
  page_ = {new RegionPage(tool_, run, pages_), new GridPage(tool_, run, pages_), new PointPage(tool_, run, pages_)};
  for (MapPage* page : page_) pages_->addTab(page, QString());
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (refreshing_ || index < 0) return;
    tool_.model().PageControl1.active = pages_->widget(index)->objectName().toStdString();
    handle([&] { tool_.mapEditors().TypSExit(); });
  });

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(pages_);
}

void MapTab::refresh() {
  refreshing_ = true;
  const auto& control = tool_.model().PageControl1;
  for (int i = 0; i < pages_->count(); ++i) {
    if (const auto* tab = control.find(pages_->widget(i)->objectName().toStdString())) {
      pages_->setTabText(i, ToQString(tab->caption));
      pages_->setTabVisible(i, tab->visible);
      if (tab->name == control.active) pages_->setCurrentIndex(i);
    }
  }
  for (MapPage* page : page_) page->refresh();
  refreshing_ = false;
}

void MapTab::showEvent(QShowEvent* event) {
  TabPage::showEvent(event);
  if (BroughtToFront(*this, *event)) Later(this, [this] { handle([&] { tool_.mapEditors().TabSheet4Show(); }); });
}

void MapTab::hideEvent(QHideEvent* event) {
  TabPage::hideEvent(event);
  if (SentToBack(*this, *event))
    Later(this, [this] {
      handle([&] {
        tool_.mapEditors().TypSExit();  // leaving the tab leaves its sub-tab too
        tool_.mapEditors().TabSheet4Hide();
      });
    });
}

}  // namespace tavu::ui
