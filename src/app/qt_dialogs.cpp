#include "app/qt_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace tavu::app {
namespace {

QString Title() { return QCoreApplication::applicationName(); }

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

void QtDialogs::showMessage(const std::string& text) {
  // open(), not exec(): the caller runs on to its end while the box is shown.
  auto* box = new QMessageBox(QMessageBox::Information, Title(), QString::fromStdString(text), QMessageBox::Ok, window_);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(window_ ? Qt::WindowModal : Qt::ApplicationModal);
  box->open();
}

bool QtDialogs::ask(const std::string& text) {
  return QMessageBox::question(window_, Title(), QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::chooseFileToOpen(const std::string& filter) {
  return Chosen(QFileDialog::getOpenFileName(window_, Title(), QString(), QString::fromStdString(filter)));
}

std::optional<std::string> QtDialogs::chooseFileToSave(const std::string& filter) {
  return Chosen(QFileDialog::getSaveFileName(window_, Title(), QString(), QString::fromStdString(filter)));
}

}  // namespace tavu::app
