#include "trayicon/Trayicon.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QTimer>
#include <climits>

namespace pelbrix {

namespace {
// The program's string table entries for the two refusals, translated when thrown.
constexpr const char* kTextContext = "pelbrix::TTrayIcon";
const char* const kCannotCreate =
    QT_TRANSLATE_NOOP("pelbrix::TTrayIcon", "Cannot Create System Shell Notification Icon");
const char* const kCannotRemove =
    QT_TRANSLATE_NOOP("pelbrix::TTrayIcon", "Cannot Remove System Shell Notification Icon");
EOutOfResources refusal(const char* text) {
  return EOutOfResources(QCoreApplication::translate(kTextContext, text).toStdString());
}

constexpr unsigned kCallbackMessage = msg::WM_USER + 1;

class QtAnimationTimer : public AnimationTimer {
 public:
  QtAnimationTimer() {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { onTick(); });
  }
  void start(int milliseconds) override { timer_.start(milliseconds); }
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }
  int interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};
}  // namespace

QIcon TImageList::GetIcon(int index) const {
  return index >= 0 && index < Count() ? Images[index] : QIcon();
}

QIcon TTrayIcon::applicationIcon() {
  return QApplication::windowIcon();
}

TTrayIcon::TTrayIcon(QObject* owner, NotifyArea& area, TApplication& application)
    : QObject(owner), area_(area), application_(application) {
  icon_ = applicationIcon();
  // OnAnimate only reports what the timer runs; assigning it later changes nothing.
  OnAnimate = [this](QObject* sender) { DoOnAnimate(sender); };
  SetAnimationTimer(std::make_unique<QtAnimationTimer>());

  window_ = application_.AllocateHWnd([this](TMessage& m) { DoMessage(m); });
  record_.hWnd = window_;
  // The instance's own address is unique for as long as the icon can exist.
  record_.uID = reinterpret_cast<std::uintptr_t>(this);
  record_.hIcon = icon_;
  record_.uFlags = NIF_MESSAGE | NIF_ICON;
  record_.uCallbackMessage = kCallbackMessage;
  Update();
}

TTrayIcon::~TTrayIcon() {
  area_.Delete(record_);  // whether shown or not; a refusal changes nothing now
  application_.DeallocateHWnd(window_);
  application_.UnhookMainWindow(this);
}

void TTrayIcon::Loaded() {
  loading_ = false;
  if (!icons_) {
    animate_ = false;
    icon_ = applicationIcon();
  } else {
    timerEnabled_ = animate_;
    updateTimer();
    const QIcon image = icons_->GetIcon(iconIndex_);
    if (!image.isNull()) icon_ = image;
  }
  Update();
}

void TTrayIcon::Notification(QObject* component, TOperation operation) {
  if (operation != opRemove) return;
  // Compared as addresses only: the object is already being destroyed.
  if (component == static_cast<QObject*>(icons_))
    icons_ = nullptr;
  else if (component == static_cast<QObject*>(popupMenu_))
    popupMenu_ = nullptr;
}

void TTrayIcon::SetPopupMenu(QMenu* menu) {
  popupMenu_ = menu;
  if (menu)
    QObject::connect(menu, &QObject::destroyed, this,
                     [this](QObject* gone) { Notification(gone, opRemove); });
}

void TTrayIcon::SetIcons(TImageList* list) {
  icons_ = list;
  if (list)
    QObject::connect(list, &QObject::destroyed, this,
                     [this](QObject* gone) { Notification(gone, opRemove); });
}

void TTrayIcon::SetVisible(bool value) {
  // Stored first: a refused add still leaves Visible true, a refused removal false.
  visible_ = value;
  if (value) {
    if (!area_.Add(record_)) throw refusal(kCannotCreate);
    SetHide(true);
    application_.HookMainWindow(this, [this](TMessage& m) { return ApplicationHookProc(m); });
  } else {
    if (!area_.Delete(record_)) throw refusal(kCannotRemove);
    SetHide(false);
    application_.UnhookMainWindow(this);
  }
}

void TTrayIcon::SetHint(const QString& text) {
  // The notification area shows at most 63 characters; a longer hint is not taken.
  if (text == hint_ || text.size() >= 64) return;
  hint_ = text;
  record_.szTip = text.left(127);
  if (!text.isEmpty())
    record_.uFlags |= NIF_TIP;
  else
    record_.uFlags &= ~NIF_TIP;
  Update();
}

void TTrayIcon::Update() {
  record_.hIcon = icon_;
  if (visible_) area_.Modify(record_);
}

// ---- animation ----

void TTrayIcon::updateTimer() {
  // An interval of 0 gives no ticks (a QTimer would fire on every pass of the event
  // loop), and neither does one past the timer's range, such as a negative entry
  // handed over as unsigned.
  const bool run = timerEnabled_ && interval_ != 0 && interval_ <= static_cast<unsigned>(INT_MAX);
  if (!run) {
    timer_->stop();
    return;
  }
  // A running timer keeps its count unless the interval changed.
  if (!timer_->isActive() || timer_->interval() != static_cast<int>(interval_))
    timer_->start(static_cast<int>(interval_));
}

void TTrayIcon::SetAnimationTimer(std::unique_ptr<AnimationTimer> timer) {
  timer_ = std::move(timer);
  timer_->onTick = [this] { DoOnAnimate(this); };
  updateTimer();
}

void TTrayIcon::SetAnimateInterval(int milliseconds) {
  interval_ = static_cast<unsigned>(milliseconds);
  updateTimer();
}

void TTrayIcon::SetAnimate(bool value) {
  if (!icons_ && !loading_) return;
  animate_ = value;
  if (icons_) {
    timerEnabled_ = value;
    updateTimer();
  }
}

void TTrayIcon::DoOnAnimate(QObject*) {
  if (!icons_) return;
  const int count = icons_->Count();
  SetIconIndex(iconIndex_ + 1 < count ? iconIndex_ + 1 : 0);
  Update();
}

void TTrayIcon::SetIconIndex(int index) {
  iconIndex_ = index;
  // An index outside the list leaves the image as it is.
  if (icons_) {
    const QIcon image = icons_->GetIcon(index);
    if (!image.isNull()) icon_ = image;
  }
  Update();
}

void TTrayIcon::SetDefaultIcon() {
  icon_ = applicationIcon();
  Update();
}

// ---- messages ----

TShiftState TTrayIcon::ShiftState() {
  const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
  TShiftState shift = 0;
  if (held & Qt::ShiftModifier) shift |= ssShift;
  if (held & Qt::ControlModifier) shift |= ssCtrl;
  if (held & Qt::AltModifier) shift |= ssAlt;
  return shift;
}

void TTrayIcon::DoMessage(TMessage& message) {
  switch (message.Msg) {
    case msg::WM_QUERYENDSESSION:
      message.Result = 1;
      return;
    case msg::WM_ENDSESSION:
      EndSession();
      return;
    case kCallbackMessage:
      break;
    default:
      return;
  }

  // The notification carries no position: the cursor is read when it is handled.
  TShiftState shift = 0;
  QPoint at;
  const auto take = [&](TShiftState button) {
    shift = ShiftState() | button;
    at = QCursor::pos();
  };
  const unsigned notification = static_cast<unsigned>(message.LParam);
  if (notification == msg::WM_MOUSEMOVE) {
    if (OnMouseMove) take(0);
    DoMouseMove(shift, at.x(), at.y());
    return;
  }
  // Each button's messages and the actions its release and double click trigger; the
  // middle button's trigger none.
  struct ButtonMessages {
    TMouseButton button;
    TShiftState held;
    unsigned down, up, doubleClick;
    TTrayIconMessage upAction, doubleClickAction;
  };
  static constexpr ButtonMessages kButtons[] = {
      {mbLeft, ssLeft, msg::WM_LBUTTONDOWN, msg::WM_LBUTTONUP, msg::WM_LBUTTONDBLCLK, imLeftClickUp,
       imLeftDoubleClick},
      {mbRight, ssRight, msg::WM_RBUTTONDOWN, msg::WM_RBUTTONUP, msg::WM_RBUTTONDBLCLK,
       imRightClickUp, imRightDoubleClick},
      {mbMiddle, ssMiddle, msg::WM_MBUTTONDOWN, msg::WM_MBUTTONUP, msg::WM_MBUTTONDBLCLK, imNone,
       imNone},
  };
  for (const ButtonMessages& b : kButtons) {
    if (notification == b.down) {
      take(b.held);
      DoMouseDown(b.button, shift, at.x(), at.y());
    } else if (notification == b.up) {
      take(b.held);
      // The click step runs only for a listener; RestoreOn/PopupMenuOn = imClick
      // therefore take effect only while OnClick is assigned.
      if (b.button == mbLeft && OnClick) DoClick();
      DoMouseUp(b.button, shift, at.x(), at.y());
      act(b.upAction);
    } else if (notification == b.doubleClick) {
      DoDblClick();
      act(b.doubleClickAction);
    }
  }
}

void TTrayIcon::act(TTrayIconMessage action) {
  if (action == imNone) return;
  if (RestoreOn == action) Restore();
  if (PopupMenuOn == action) ShowMenu();
}

void TTrayIcon::DoClick() {
  act(imClick);
  if (OnClick) OnClick(this);
}

void TTrayIcon::DoDblClick() {
  act(imDoubleClick);
  if (OnDblClick) OnDblClick(this);
}

void TTrayIcon::DoMouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  act(imMouseDown);
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  act(imMouseUp);
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

// ---- the application ----

void TTrayIcon::Minimize() {
  application_.Minimize();
  // Without a notification area the icon could not bring the application back, so it
  // stays on the taskbar then.
  if (area_.Available()) application_.HideMainWindow();
  if (OnMinimize) OnMinimize(this);
}

void TTrayIcon::Restore() {
  application_.Restore();
  application_.ShowMainWindow();
  application_.BringToFront();
  if (OnRestore) OnRestore(this);
}

void TTrayIcon::ShowMenu() {
  if (!popupMenu_) return;
  const QPoint at = QCursor::pos();
  // The menu closes properly only when one of our windows is active.
  try {
    if (QWidget* active = QApplication::activeWindow()) active->activateWindow();
  } catch (...) {
  }
  popupMenu_->popup(at);
}

bool TTrayIcon::ApplicationHookProc(TMessage& message) {
  // wParam is compared whole: a command with any low bits set is left alone.
  if (message.Msg == msg::WM_SYSCOMMAND && message.WParam == msg::SC_MINIMIZE) Minimize();
  if (message.Msg == msg::WM_SYSCOMMAND && message.WParam == msg::SC_RESTORE) Restore();
  return false;
}

void TTrayIcon::EndSession() {
  area_.Delete(record_);
}

}  // namespace pelbrix
