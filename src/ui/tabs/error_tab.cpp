#include "ui/tabs/error_tab.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/bindings.h"

namespace tavu::ui {

ErrorTab::ErrorTab(Tool& tool, QWidget* parent) : TabPage(tool, parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  auto addMemo = [&](QLabel*& label, const char* labelName, QPlainTextEdit*& memo, const char* memoName, int column) {
    label = Named(new QLabel(this), QString::fromLatin1(labelName));
    memo = Named(new QPlainTextEdit(this), QString::fromLatin1(memoName));
    memo->setReadOnly(true);
    label->setBuddy(memo);
    grid->addWidget(label, 0, column);
    grid->addWidget(memo, 1, column);
  };
  addMemo(label19_, "Label19", actualErrors_, "Actual_errors_Memo", 0);
  addMemo(label18_, "Label18", registerErrors_, "Register_errors_memo", 1);
  button2_ = Named(new QPushButton(this), QStringLiteral("Button2"));
  grid->addWidget(button2_, 2, 1, Qt::AlignRight);
  grid->setRowStretch(1, 1);
  connect(button2_, &QPushButton::clicked, this, [this] { handle([this] { tool_.errors().Button2Click(); }); });
}

void ErrorTab::refresh() {
  const auto& m = tool_.model();
  Show(label19_, m.Label19);
  Show(actualErrors_, m.Actual_errors_Memo, actualShown_);
  Show(label18_, m.Label18);
  Show(registerErrors_, m.Register_errors_memo, registerShown_);
  Show(button2_, m.Button2);
}

}  // namespace tavu::ui
