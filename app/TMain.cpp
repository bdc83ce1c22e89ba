#include "app/TMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "app/WindowList.h"
#include "core/SettingsStore.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TForm9.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "platform/ButtonBehaviour.h"
#include "platform/DesignLayout.h"
#include "platform/Focus.h"
#include "platform/LazyIcon.h"
#include "platform/TApplication.h"
#include "platform/TForm.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

// The images are compiled into a static library, whose resource registration the linker
// would drop unless something refers to it. The main window is the first form created,
// so every picture of the program is registered here, once.
static void loadResources() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  Q_INIT_RESOURCE(pelbrix);
}

namespace pelbrix {

namespace {
constexpr int kClientWidth = 329;
constexpr int kClientHeight = 323;
}  // namespace

QAction* TMain::addAction(const QString& caption, const char* name, void (TMain::*handler)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  if (handler) connect(action, &QAction::triggered, this, handler);
  return action;
}

TMain::TMain(TApplication& application, SettingsStore& settings, ErrorPresenter& errors,
             NotifyArea& notifyArea)
    : application_(application), settings_(settings) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(tr("Pelbrix v4.0"));
  // A fixed single border with system menu and minimise box; no maximise box.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  Exit = addAction(tr("E&xit"), "Exit", &TMain::ExitExecute);
  Restore = addAction(tr("&Restore"), "Restore", &TMain::RestoreExecute);
  Edit = new EditActions(this);
  CtoK = addAction(tr("&Celsius to Kelvin"), "CtoK", &TMain::CtoKExecute);
  Options = addAction(tr("&Options"), "Options", &TMain::OptionsExecute);
  BoyleRate = addAction(tr("&Boyle Rates"), "BoyleRate", &TMain::BoyleRateExecute);
  CharlesRate = addAction(tr("&Charles' Rate"), "CharlesRate", &TMain::CharlesRateExecute);
  // The two rates without a handler are shown greyed, so they do not look broken.
  ComboRate = addAction(tr("C&ombo Rates"), "ComboRate", nullptr);
  ComboRate->setEnabled(false);
  ADlog = addAction(tr("&About"), "ADlog", &TMain::ADlogExecute);
  IdealRate = addAction(tr("&Ideal Rates"), "IdealRate", nullptr);
  IdealRate->setEnabled(false);

  buildMenus();

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  const LawPageShared menus{Edit, PopupMenu2, PopupMenu3, &errors};
  TabSheet1 = new TBoylePage(menus);
  TabSheet2 = new TCharlesPage(menus);
  TabSheet4 = new TComboPage(menus);
  TabSheet5 = new TIdealPage(menus);
  PageControl1->addTab(TabSheet1, tr("Boyle's Law"));
  PageControl1->addTab(TabSheet2, tr("Charles' Law"));
  PageControl1->addTab(TabSheet4, tr("Combined Gas Law"));
  PageControl1->addTab(TabSheet5, tr("Ideal Gas Law"));
  // All four tabs stay in view; the window widens if the desktop's font needs it.
  PageControl1->tabBar()->setUsesScrollButtons(false);
  PageControl1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(PageControl1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu3->exec(PageControl1->mapToGlobal(p)); });
  // The page control fills the client area.
  place(PageControl1, 0, 0, kClientWidth, kClientHeight);
  setCentralWidget(PageControl1);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  layOutFromDesign(this);

  buildTrayIcon(notifyArea);

  // Choosing a page puts the focus on its first field; each mode group is one Tab stop.
  focusFirstFieldOnPageChange(PageControl1);
  makeRadioGroupsOneTabStop(this);

  FormCreate();
}

void TMain::buildMenus() {
  // Every menu and entry has an access key (Alt and the underlined letter on the bar, the
  // letter alone in an open menu); the captions read as designed once the marks are drawn.
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  Exit2 = bar->addMenu(tr("&File"));
  Exit2->setObjectName(QStringLiteral("Exit2"));
  Exit2->addAction(Exit);

  Edit20 = bar->addMenu(tr("&Edit"));
  Edit20->setObjectName(QStringLiteral("Edit20"));
  Edit20->addActions({Edit->EditCopy1, Edit->EditCut1, Edit->EditPaste1});
  connect(Edit20, &QMenu::aboutToShow, Edit, &EditActions::updateEnabled);

  Conversions3 = bar->addMenu(tr("&Conversions"));
  Conversions3->setObjectName(QStringLiteral("Conversions3"));
  Conversions3->addAction(CtoK);

  bar->addAction(Options);

  Rates1 = bar->addMenu(tr("&Rates"));
  Rates1->setObjectName(QStringLiteral("Rates1"));
  Rates1->addAction(BoyleRate);
  Rates1->addAction(CharlesRate);
  GLRate1 = Rates1->addAction(tr("&GL Rates"));
  GLRate1->setObjectName(QStringLiteral("GLRate1"));
  Rates1->addAction(ComboRate);
  Rates1->addAction(IdealRate);

  bar->addAction(ADlog);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  PopupMenu1->addAction(Restore);
  QMenu* conversions1 = PopupMenu1->addMenu(tr("&Conversions"));
  conversions1->setObjectName(QStringLiteral("Conversions1"));
  conversions1->addAction(CtoK);
  PopupMenu1->addSeparator();
  PopupMenu1->addAction(Exit);

  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
  PopupMenu2->addActions({Edit->EditCopy1, Edit->EditCut1, Edit->EditPaste1});

  PopupMenu3 = new QMenu(this);
  PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
  QMenu* conversions2 = PopupMenu3->addMenu(tr("&Conversions"));
  conversions2->setObjectName(QStringLiteral("Conversions2"));
  conversions2->addAction(CtoK);
  PopupMenu3->addSeparator();
  PopupMenu3->addAction(Exit);
}

void TMain::FormCreate() {
  // One pass over the settings file, in the order of its keys; reading never creates it.
  const SettingsStore::LoadPass ini = settings_.load();
  const MainWindowPosition position = ini.read(kMainWindowPositionKeys);
  const MainWindowChoices choices = ini.read(kMainWindowChoiceKeys);
  frame_.placeAt(QPoint(position.Left, position.Top));
  // An index outside the four pages is ignored by the page control, so the first page
  // stays in front.
  PageControl1->setCurrentIndex(choices.LastPage);
  // Each value is set as a click would set it, so a restored mode relabels its page; the
  // last key that reads true wins, and all false leaves the group with no button checked.
  setRadioChecked(TabSheet1->RadioButton1, choices.RadioButton1);
  setRadioChecked(TabSheet1->RadioButton2, choices.RadioButton2);
  setRadioChecked(TabSheet2->RadioButton3, choices.RadioButton3);
  setRadioChecked(TabSheet2->RadioButton4, choices.RadioButton4);
  setRadioChecked(TabSheet4->RadioButton7, choices.RadioButton7);
  setRadioChecked(TabSheet4->RadioButton8, choices.RadioButton8);
  setRadioChecked(TabSheet4->RadioButton9, choices.RadioButton9);
  TIdealPage* ideal = TabSheet5;
  setRadioChecked(ideal->RadioButton10, choices.RadioButton10);
  setRadioChecked(ideal->RadioButton11, choices.RadioButton11);
  setRadioChecked(ideal->RadioButton12, choices.RadioButton12);
  setRadioChecked(ideal->RadioButton13, choices.RadioButton13);
  // Unlike the older pages, the ideal gas law page always has a mode and units: no mode key
  // true means "Find Pressure", units that are no button's mean "atm, L".
  if (!ideal->RadioButton11->isChecked() && !ideal->RadioButton12->isChecked() &&
      !ideal->RadioButton13->isChecked())
    setRadioChecked(ideal->RadioButton10, true);
  QRadioButton* const units[] = {ideal->RadioButton14, ideal->RadioButton15, ideal->RadioButton16,
                                 ideal->RadioButton17};
  setRadioChecked(units[choices.Units >= 0 && choices.Units < 4 ? choices.Units : 0], true);
}
void TMain::buildTrayIcon(NotifyArea& notifyArea) {
  loadResources();
  ImageList1 = new TImageList(this);
  ImageList1->setObjectName(QStringLiteral("ImageList1"));
  for (int i = 0; i < 8; ++i) ImageList1->Images.append(TrayIconFrame(i));

  // Applied as the form's stored values are: Visible first (the icon appears with the
  // application's icon), then the rest, then Loaded puts image 0 in place.
  TrayIcon1 = new TTrayIcon(this, notifyArea, application_);
  TrayIcon1->setObjectName(QStringLiteral("TrayIcon1"));
  TrayIcon1->BeginLoading();
  TrayIcon1->SetVisible(true);
  TrayIcon1->SetPopupMenu(PopupMenu1);
  TrayIcon1->SetHide(true);
  TrayIcon1->RestoreOn = imLeftDoubleClick;
  TrayIcon1->PopupMenuOn = imRightClickUp;
  TrayIcon1->SetIcons(ImageList1);
  TrayIcon1->Loaded();
  // A notification area that draws its icons' menus itself (a StatusNotifierItem host) is
  // given the one the icon shows on a right-button release.
  notifyArea.SetHostMenu(TrayIcon1->GetHandle(), TrayIcon1->Id(), PopupMenu1);
}

QIcon TrayIconFrame(int index) {
  // Each size is read from the resources only when a notification area first draws it.
  return lazyIcon(QStringLiteral(":/tray") + QString::number(index) + QStringLiteral("-%1.png"),
                  {16, 22, 24, 32});
}

void TMain::FormActivate() {
  // The splash screen's modal loop runs from a zero-length timer, outside the
  // activation event; the queued flag keeps activations before it from queueing twice.
  if (!SplashPending || splashQueued_) return;
  splashQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    if (windows_ && windows_->Form9) windows_->Form9->ShowModal();
    SplashPending = false;
    splashQueued_ = false;
  });
}

void TMain::FormClose() {
  const QPoint corner = frame_.corner();
  SettingsStore::SavePass ini = settings_.save();
  // Native Wayland reports no position (often 0,0): the stored one stays as it was.
  if (TApplication::WindowPositionsKnown())
    ini.write(kMainWindowPositionKeys, {.Top = corner.y(), .Left = corner.x()});
  ini.write(kMainWindowChoiceKeys, {.LastPage = PageControl1->currentIndex(),
                                    .RadioButton1 = TabSheet1->RadioButton1->isChecked(),
                                    .RadioButton2 = TabSheet1->RadioButton2->isChecked(),
                                    .RadioButton3 = TabSheet2->RadioButton3->isChecked(),
                                    .RadioButton4 = TabSheet2->RadioButton4->isChecked(),
                                    .RadioButton7 = TabSheet4->RadioButton7->isChecked(),
                                    .RadioButton8 = TabSheet4->RadioButton8->isChecked(),
                                    .RadioButton9 = TabSheet4->RadioButton9->isChecked(),
                                    .RadioButton10 = TabSheet5->RadioButton10->isChecked(),
                                    .RadioButton11 = TabSheet5->RadioButton11->isChecked(),
                                    .RadioButton12 = TabSheet5->RadioButton12->isChecked(),
                                    .RadioButton13 = TabSheet5->RadioButton13->isChecked(),
                                    .Units = static_cast<int>(TabSheet5->units())});
  ini.commit();
}

void TMain::showEvent(QShowEvent* event) {
  layOutFromDesign(this);  // done at construction for now; showing does it at the latest
  QMainWindow::showEvent(event);
  frame_.windowShown();
  if (!event->spontaneous() && !shownBefore_) {
    shownBefore_ = true;
    if (QWidget* first = firstInputField(PageControl1->currentWidget()))
      first->setFocus(Qt::ActiveWindowFocusReason);
  }
}

void TMain::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  frame_.windowMoved(event->spontaneous());
}

void TMain::closeEvent(QCloseEvent* event) {
  // Every way of closing (the Exit entries, the close box) stores the settings once,
  // and the application ends with its main window.
  if (!closing_) {
    closing_ = true;
    FormClose();
  }
  event->accept();
  QCoreApplication::quit();
}

void TMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  if (event->type() == QEvent::WindowStateChange) {
    // The hooks see a minimise or restore of the main window as the system command.
    const bool was = static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
    const bool now = isMinimized();
    // Queued: showMinimized() shows the window again after this event, which would undo
    // a hook's hiding it here.
    if (was != now && !application_.ChangingWindows())
      QMetaObject::invokeMethod(
          this,
          [this, now] {
            TMessage command{msg::WM_SYSCOMMAND, now ? msg::SC_MINIMIZE : msg::SC_RESTORE, 0, 0};
            application_.MainWindowMessage(command);
          },
          Qt::QueuedConnection);
  }
}

void TMain::ExitExecute() {
  close();
}

void TMain::RestoreExecute() {
  TrayIcon1->Restore();
}

namespace {
// A menu entry whose window is not there yet opens nothing.
void showModal(TForm* form) {
  if (form) form->ShowModal();
}
}  // namespace

void TMain::CtoKExecute() {
  if (windows_ && windows_->TempConv) windows_->TempConv->Show();
}
void TMain::OptionsExecute() {
  if (windows_) showModal(windows_->Optxion);
}
void TMain::BoyleRateExecute() {
  if (windows_) showModal(windows_->BRate);
}
void TMain::CharlesRateExecute() {
  if (windows_) showModal(windows_->CHRate);
}
void TMain::ADlogExecute() {
  if (windows_) showModal(windows_->Aboxt);
}

}  // namespace pelbrix
