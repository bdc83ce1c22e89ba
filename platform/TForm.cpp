#include "platform/TForm.h"

#include <QScreen>

#include "platform/TApplication.h"

namespace pelbrix {

TForm::TForm(QWidget* parent) : QDialog(parent) {
  // System menu and close box, no context help button.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
}

void TForm::CentreOverMainForm() {
  ensurePolished();
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
  return exec();
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
