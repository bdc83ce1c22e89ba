#include "platform/TForm.h"

#include <QEventLoop>
#include <QHideEvent>
#include <QScreen>

#include "platform/DesignLayout.h"
#include "platform/TApplication.h"

namespace pelbrix {

TForm::TForm(QWidget* parent) : QDialog(parent) {
  // System menu and close box, no context help button.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
}

void TForm::ensureLaidOut() {
  layOutFromDesign(this);
}

void TForm::showEvent(QShowEvent* event) {
  ensureLaidOut();
  QDialog::showEvent(event);
}

void TForm::CentreOverMainForm() {
  ensureLaidOut();
  adjustSize();
  QWidget* main = TApplication::MainForm();
  QRect area;
  if (main && main != this && main->isVisible())
    area = main->frameGeometry();
  else if (QScreen* screen = QGuiApplication::primaryScreen())
    area = screen->availableGeometry();
  if (area.isValid()) move(area.center() - QPoint(width() / 2, height() / 2));
}

int TForm::ShowModal() {
  CentreOverMainForm();
  return RunModal();
}

int TForm::RunModal() {
  // Not QDialog::exec(): a timer that closes the form while it is being shown would leave
  // exec() waiting for a form that is already gone. The loop is entered only for a form
  // that is still open, and any later hiding ends it.
  const bool wasShowModal = testAttribute(Qt::WA_ShowModal);
  setAttribute(Qt::WA_ShowModal, true);
  setResult(0);
  QEventLoop loop;
  modalLoop_ = &loop;
  show();
  if (isVisible()) loop.exec(QEventLoop::DialogExec);
  modalLoop_ = nullptr;
  setAttribute(Qt::WA_ShowModal, wasShowModal);
  return result();
}

void TForm::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  // A spontaneous hide is the window system minimising the form, which stays open.
  if (modalLoop_ && !event->spontaneous()) modalLoop_->quit();
}

void TForm::Show() {
  if (!isVisible()) CentreOverMainForm();
  show();
  raise();
  activateWindow();
}

void TForm::done(int result) {
  if (isVisible()) FormClose();
  QDialog::done(result);
}

}  // namespace pelbrix
