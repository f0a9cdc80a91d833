#include "ui/tabs/help_tab.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/bindings.h"

namespace tavu::ui {

HelpTab::HelpTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  Named(this, QStringLiteral("TabSheet11"));
  memo_ = new QPlainTextEdit(this);
  Named(memo_, QStringLiteral("Help_Memo"));
  memo_->setReadOnly(true);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->addWidget(memo_);
}

void HelpTab::refresh() { Show(memo_, tool_.model().Help_Memo, shown_); }

}  // namespace tavu::ui
