#pragma once
// Window messages as the application's components exchange them: the codes they decode,
// the record a window procedure sees, and hidden windows that hand every message they
// receive to a handler.
#include <QObject>
#include <cstdint>
#include <functional>
#include <utility>

namespace pelbrix {

// Message codes, with the values the components decode.
namespace msg {
constexpr unsigned WM_QUERYENDSESSION = 0x11;
constexpr unsigned WM_ENDSESSION = 0x16;
constexpr unsigned WM_SYSCOMMAND = 0x112;
constexpr unsigned WM_MOUSEMOVE = 0x200;
constexpr unsigned WM_LBUTTONDOWN = 0x201;
constexpr unsigned WM_LBUTTONUP = 0x202;
constexpr unsigned WM_LBUTTONDBLCLK = 0x203;
constexpr unsigned WM_RBUTTONDOWN = 0x204;
constexpr unsigned WM_RBUTTONUP = 0x205;
constexpr unsigned WM_RBUTTONDBLCLK = 0x206;
constexpr unsigned WM_MBUTTONDOWN = 0x207;
constexpr unsigned WM_MBUTTONUP = 0x208;
constexpr unsigned WM_MBUTTONDBLCLK = 0x209;
constexpr unsigned WM_USER = 0x400;
constexpr std::uintptr_t SC_MINIMIZE = 0xF020;
constexpr std::uintptr_t SC_RESTORE = 0xF120;
}  // namespace msg

// One message as a window procedure sees it; Result is what the procedure answers.
struct TMessage {
  unsigned Msg = 0;
  std::uintptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

// A hidden window: an object that hands every message it receives to its handler.
class MessageWindow : public QObject {
 public:
  using Handler = std::function<void(TMessage&)>;
  explicit MessageWindow(Handler handler) : handler_(std::move(handler)) {}

  // Delivers at once and returns the handler's result.
  std::intptr_t Send(unsigned message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
  // Queues the message; it is handled when the event loop next runs.
  static void Post(QObject* window, unsigned message, std::uintptr_t wParam = 0,
                   std::intptr_t lParam = 0);

  bool event(QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace pelbrix
