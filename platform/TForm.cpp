#include "platform/TForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QHideEvent>
#include <QLayout>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <QWindow>

#include "platform/ButtonBehaviour.h"
#include "platform/DesignLayout.h"
#include "platform/Focus.h"
#include "platform/TApplication.h"
#include "platform/WindowSystemWatch.h"

namespace pelbrix {

TForm::TForm(TApplication& application, QWidget* parent)
    : QDialog(parent), application_(application) {
  // System menu and close box, no context help button.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
}

void TForm::ensureLaidOut() {
  if (!isLaidOut(this)) layOut();
}

void TForm::layOut() {
  layOutFromDesign(this);
}

void TForm::CentreOverMainForm() {
  // Sized by its layout, once; a resizable form keeps whatever size the user gave it since.
  ensureLaidOut();
  if (QLayout* pageLayout = layout()) pageLayout->activate();
  const QWidget* main = application_.MainForm();
  const bool overMain = main && main != this && main->isVisible();
  QScreen* screen = overMain ? main->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect client(QPoint(), size());
  client.moveCenter(overMain ? main->frameGeometry().center()
                             : screen->availableGeometry().center());
  placeOnScreen(client, screen);
}

void TForm::placeOnScreen(QRect client, QScreen* screen) {
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  // Until the window manager frames this form its frame is not known; the main window's is
  // the best guess of it.
  QMargins border;
  if (const QWidget* main = application_.MainForm(); main && main != this && main->isVisible())
    border = QMargins(main->geometry().left() - main->frameGeometry().left(),
                      main->geometry().top() - main->frameGeometry().top(),
                      main->frameGeometry().right() - main->geometry().right(),
                      main->frameGeometry().bottom() - main->geometry().bottom());
  const QRect frame = onScreen(client.marginsAdded(border), area);
  // The client area's place: once a window has been framed, move() would place its frame.
  setGeometry(QRect(frame.topLeft() + QPoint(border.left(), border.top()), size()));
}

void TForm::PlaceForShowing() {
  CentreOverMainForm();
}

int TForm::ShowModal() {
  PlaceForShowing();
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
  // Window managers may minimise a modal window although it asks for no minimise box; the
  // windows it blocks would then ignore every click. Activating one of them brings it back:
  // Qt reports that activation, or on X11 only the window system's focus notification.
  const QMetaObject::Connection comeBack =
      connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focused) {
        if (focused && focused != windowHandle()) bringBackFromMinimised();
      });
  const WindowSystemWatch focusWatch(nullptr, {WindowSystemWatch::FocusIn},
                                     [this] { bringBackFromMinimised(); });
  show();
  if (isVisible()) loop.exec(QEventLoop::DialogExec);
  disconnect(comeBack);
  modalLoop_ = nullptr;
  setAttribute(Qt::WA_ShowModal, wasShowModal);
  return result();
}

void TForm::bringBackFromMinimised() {
  // The application's own minimising (into the notification area) is left alone.
  if (!isVisible() || !isMinimized() || application_.ChangingWindows()) return;
  showNormal();
  raise();
  activateWindow();
}

QWidget* TForm::FirstFocus() {
  const auto* pages = findChild<QTabWidget*>();
  return firstInputField(pages && pages->currentWidget() ? pages->currentWidget() : this);
}

void TForm::showEvent(QShowEvent* event) {
  ensureLaidOut();
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // mapped again after minimising: the focus stays
  if (!shownBefore_) {
    shownBefore_ = true;
    makeRadioGroupsOneTabStop(this);
    for (QTabWidget* pages : findChildren<QTabWidget*>()) focusFirstFieldOnPageChange(pages);
    // Without a maximise box the form keeps the size the layout gave it at the desktop's font.
    if (!(windowFlags() & Qt::WindowMaximizeButtonHint)) setFixedSize(size());
  }
  if (QWidget* first = FirstFocus()) first->setFocus(Qt::ActiveWindowFocusReason);
}

void TForm::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  // A spontaneous hide is the window system minimising the form, which stays open.
  if (modalLoop_ && !event->spontaneous()) modalLoop_->quit();
}

void TForm::Show() {
  if (!isVisible()) PlaceForShowing();
  // A plain show() would leave a minimised form iconic.
  if (isMinimized())
    showNormal();
  else
    show();
  raise();
  activateWindow();
}

void TForm::done(int result) {
  if (isVisible()) FormClose();
  QDialog::done(result);
}

}  // namespace pelbrix
