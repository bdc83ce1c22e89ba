#pragma once
// TTrayIcon: the application's icon in the desktop's notification area. It adds, changes
// and removes the icon through the notification-area service, turns the mouse
// notifications that reach its hidden window into restore, pop-up menu and its events,
// animates the icon through an image list, and while shown takes over the main window's
// minimise and restore commands, so a minimised application lives on as the icon.
#include <QIcon>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <stdexcept>

#include "platform/NotifyArea.h"
#include "platform/TApplication.h"

namespace pelbrix {

// Raised when the notification area refuses to add or remove the icon.
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A list of images of one size, shown by index.
class TImageList : public QObject {
 public:
  explicit TImageList(QObject* owner = nullptr) : QObject(owner) {}
  QList<QIcon> Images;
  int Count() const { return static_cast<int>(Images.size()); }
  // Image `index`, or a null icon outside the list.
  QIcon GetIcon(int index) const;
};

// The mouse action on which the icon restores the application or shows its menu.
enum TTrayIconMessage {
  imClick,
  imDoubleClick,
  imMouseDown,
  imMouseUp,
  imLeftClickUp,
  imLeftDoubleClick,
  imRightClickUp,
  imRightDoubleClick,
  imNone
};

enum TShiftStateElement : unsigned {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
};
using TShiftState = unsigned;  // a set of TShiftStateElement
enum TMouseButton { mbLeft, mbRight, mbMiddle };

using TNotifyEvent = std::function<void(QObject* sender)>;
using TMouseMoveEvent = std::function<void(QObject* sender, TShiftState shift, int x, int y)>;
using TMouseEvent =
    std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

// What the icon's animation runs on: a QTimer in the program; tests tick one by hand.
class AnimationTimer {
 public:
  virtual ~AnimationTimer() = default;
  virtual void start(int milliseconds) = 0;  // (re)starts the count from now
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
  virtual int interval() const = 0;
  std::function<void()> onTick;  // called on every tick while active
};

enum TOperation { opInsert, opRemove };

class TTrayIcon : public QObject {
 public:
  // `area` is the notification area the icon is shown in, and `application` the one whose
  // windows it minimises and restores; both outlive the icon.
  TTrayIcon(QObject* owner, NotifyArea& area, TApplication& application);
  ~TTrayIcon() override;

  // Property values given between BeginLoading and Loaded are applied as a stored form
  // description would apply them; Loaded then finishes the set-up.
  void BeginLoading() { loading_ = true; }
  virtual void Loaded();
  virtual void Notification(QObject* component, TOperation operation);

  // Properties
  bool Visible() const { return visible_; }
  const QString& Hint() const { return hint_; }
  void SetHint(const QString& text);
  QMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(QMenu* menu);
  bool Hide() const { return hide_; }
  void SetHide(bool value) { hide_ = value; }
  TTrayIconMessage RestoreOn = imDoubleClick;
  TTrayIconMessage PopupMenuOn = imNone;
  TImageList* Icons() const { return icons_; }
  void SetIcons(TImageList* list);
  int IconIndex() const { return iconIndex_; }
  int GetAnimateInterval() const { return static_cast<int>(interval_); }
  void SetAnimateInterval(int milliseconds);
  bool GetAnimate() const { return animate_; }
  void SetAnimate(bool value);
  MessageWindow* GetHandle() const { return window_; }

  // The icon shown now, as last handed to the notification area.
  QIcon CurrentIcon() const { return icon_; }
  // The id under which the icon is known to the notification area.
  std::uintptr_t Id() const { return record_.uID; }
  // Whether the animation timer is running (it never runs with an interval of 0).
  bool AnimationTicking() const { return timer_->isActive(); }
  // Runs the animation on `timer` from now on.
  void SetAnimationTimer(std::unique_ptr<AnimationTimer> timer);

  // Events; each is called only when assigned.
  TNotifyEvent OnMinimize, OnRestore, OnClick;
  TMouseMoveEvent OnMouseEnter, OnMouseExit, OnMouseMove;
  TMouseEvent OnMouseUp, OnMouseDown;
  TNotifyEvent OnAnimate, OnCreate, OnDestroy, OnActivate, OnDeactivate;
  TNotifyEvent OnDblClick;

  // Virtual operations, in their slot order.
  virtual void SetVisible(bool value);
  virtual void DoMessage(TMessage& message);
  virtual void DoClick();
  virtual void DoDblClick();
  virtual void DoMouseMove(TShiftState shift, int x, int y);
  virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void DoOnAnimate(QObject* sender);
  virtual void Minimize();
  virtual void Restore();
  virtual void Update();
  virtual void ShowMenu();
  virtual void SetIconIndex(int index);
  virtual void SetDefaultIcon();

  void EndSession();
  static TShiftState ShiftState();
  bool ApplicationHookProc(TMessage& message);

 private:
  // Restores the application and/or shows the menu where they are set to follow `action`.
  void act(TTrayIconMessage action);
  static QIcon applicationIcon();
  void updateTimer();

  NotifyArea& area_;
  TApplication& application_;
  NotifyIconData record_;
  MessageWindow* window_ = nullptr;
  std::unique_ptr<AnimationTimer> timer_;
  QIcon icon_;
  QString hint_;
  // Cleared by Notification when the menu or list is destroyed.
  QMenu* popupMenu_ = nullptr;
  TImageList* icons_ = nullptr;
  unsigned interval_ = 1000;  // unsigned, as the timer keeps it
  int iconIndex_ = 0;
  bool visible_ = false;
  bool hide_ = true;
  bool animate_ = false;
  bool timerEnabled_ = false;
  bool loading_ = false;
};

}  // namespace pelbrix
