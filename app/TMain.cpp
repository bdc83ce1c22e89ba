#include "app/TMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>

#include "dialogs/TAboxt.h"
#include "dialogs/TForm9.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

namespace pelbrix {

TMain* Main = nullptr;

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

TMain::TMain() {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(tr("Pelbrix v4.0"));
  // A fixed single border with system menu and minimise box; no maximise box.
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

  Exit = addAction(tr("Exit"), "Exit", &TMain::ExitExecute);
  Restore = addAction(tr("Restore"), "Restore", &TMain::RestoreExecute);
  Edit = new EditActions(this);
  CtoK = addAction(tr("Celsius to Kelvin"), "CtoK", &TMain::CtoKExecute);
  Options = addAction(tr("Options"), "Options", &TMain::OptionsExecute);
  BoyleRate = addAction(tr("Boyle Rates"), "BoyleRate", &TMain::BoyleRateExecute);
  CharlesRate = addAction(tr("Charles' Rate"), "CharlesRate", &TMain::CharlesRateExecute);
  // The two rates without a handler are shown greyed, so they do not look broken.
  ComboRate = addAction(tr("Combo Rates"), "ComboRate", nullptr);
  ComboRate->setEnabled(false);
  ADlog = addAction(tr("About"), "ADlog", &TMain::ADlogExecute);
  IdealRate = addAction(tr("Ideal Rates"), "IdealRate", nullptr);
  IdealRate->setEnabled(false);

  buildMenus();

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  const LawPageMenus menus{Edit, PopupMenu2, PopupMenu3};
  TabSheet1 = new TBoylePage(menus);
  TabSheet2 = new TCharlesPage(menus);
  TabSheet4 = new TComboPage(menus);
  TabSheet5 = new TIdealPage(menus);
  PageControl1->addTab(TabSheet1, tr("Boyle's Law"));
  PageControl1->addTab(TabSheet2, tr("Charles' Law"));
  PageControl1->addTab(TabSheet4, tr("Combined Gas Law"));
  PageControl1->addTab(TabSheet5, tr("Ideal Gas Law"));
  PageControl1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(PageControl1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu3->exec(PageControl1->mapToGlobal(p)); });
  // Pages keep their design geometry; where the desktop's font makes a control larger,
  // the page grows to hold it.
  for (QWidget* page : {static_cast<QWidget*>(TabSheet1), static_cast<QWidget*>(TabSheet2),
                        static_cast<QWidget*>(TabSheet4), static_cast<QWidget*>(TabSheet5)}) {
    const QRect used = page->childrenRect();
    page->setMinimumSize(used.right() + 8, used.bottom() + 8);
  }
  const QSize needed = PageControl1->minimumSizeHint();
  PageControl1->setFixedSize(std::max(kClientWidth, needed.width()),
                             std::max(kClientHeight, needed.height()));
  setCentralWidget(PageControl1);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  FormCreate();
}

void TMain::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  Exit2 = bar->addMenu(tr("File"));
  Exit2->setObjectName(QStringLiteral("Exit2"));
  Exit2->addAction(Exit);

  Edit20 = bar->addMenu(tr("Edit"));
  Edit20->setObjectName(QStringLiteral("Edit20"));
  Edit20->addActions({Edit->EditCopy1, Edit->EditCut1, Edit->EditPaste1});
  connect(Edit20, &QMenu::aboutToShow, Edit, &EditActions::updateEnabled);

  Conversions3 = bar->addMenu(tr("Conversions"));
  Conversions3->setObjectName(QStringLiteral("Conversions3"));
  Conversions3->addAction(CtoK);

  bar->addAction(Options);

  Rates1 = bar->addMenu(tr("Rates"));
  Rates1->setObjectName(QStringLiteral("Rates1"));
  Rates1->addAction(BoyleRate);
  Rates1->addAction(CharlesRate);
  GLRate1 = Rates1->addAction(tr("GL Rates"));
  GLRate1->setObjectName(QStringLiteral("GLRate1"));
  Rates1->addAction(ComboRate);
  Rates1->addAction(IdealRate);

  bar->addAction(ADlog);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  PopupMenu1->addAction(Restore);
  QMenu* conversions1 = PopupMenu1->addMenu(tr("Conversions"));
  conversions1->setObjectName(QStringLiteral("Conversions1"));
  conversions1->addAction(CtoK);
  PopupMenu1->addSeparator();
  PopupMenu1->addAction(Exit);

  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
  PopupMenu2->addActions({Edit->EditCopy1, Edit->EditCut1, Edit->EditPaste1});

  PopupMenu3 = new QMenu(this);
  PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
  QMenu* conversions2 = PopupMenu3->addMenu(tr("Conversions"));
  conversions2->setObjectName(QStringLiteral("Conversions2"));
  conversions2->addAction(CtoK);
  PopupMenu3->addSeparator();
  PopupMenu3->addAction(Exit);
}

void TMain::FormCreate() {}

void TMain::FormActivate() {
  // The splash screen's modal loop runs from a zero-length timer, outside the
  // activation event; the queued flag keeps activations before it from queueing twice.
  static bool splashQueued = false;
  if (!SplashPending || splashQueued) return;
  splashQueued = true;
  QTimer::singleShot(0, this, [] {
    if (Form9) Form9->ShowModal();
    SplashPending = false;
    splashQueued = false;
  });
}

void TMain::FormClose() {}

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
}

void TMain::ExitExecute() { close(); }

void TMain::RestoreExecute() {
  showNormal();
  raise();
  activateWindow();
}

void TMain::CtoKExecute() { TempConv->Show(); }
void TMain::OptionsExecute() { Optxion->ShowModal(); }
void TMain::BoyleRateExecute() { BRate->ShowModal(); }
void TMain::CharlesRateExecute() { CHRate->ShowModal(); }
void TMain::ADlogExecute() { Aboxt->ShowModal(); }

}  // namespace pelbrix
