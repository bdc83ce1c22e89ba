#pragma once
// The application's twelve windows and the services they are given. The owner creates the
// main window and the splash screen at start-up and every other window, hidden, the first
// time it is asked for; the settings file is read at start-up in the windows' fixed order,
// and a window built later is given what it would have read then. The windows go in
// reverse order of creation. They are the owner's members, by their design names
// (`WindowList`).
#include <functional>
#include <memory>
#include <vector>

#include "app/WindowList.h"
#include "core/ErrorReport.h"
#include "core/SplashClock.h"

class QWidget;

namespace pelbrix {

class HelpBrowser;
class MessageDisplay;
class NotifyArea;
class SettingsStore;
class TApplication;

// What the windows are given; each outlives the windows.
struct Services {
  TApplication& application;  // the windows' shared state: main window, minimising, hooks
  SettingsStore& settings;
  NotifyArea& notifyArea;
  MessageDisplay& messages;  // the exception display and plain messages
  HelpBrowser& help;         // opens the user guide at a window's section (F1)
  SplashClockFunction clock;
  // Where the calculators' error dialogs go; nullptr shows Erro1..Erro5.
  ErrorPresenter* errors = nullptr;
};

class Application : public WindowList, private ErrorPresenter {
 public:
  // `mainCreated` runs right after the main window is created, before the others.
  explicit Application(const Services& services,
                       const std::function<void(TMain&)>& mainCreated = {});
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The error dialogs the windows report through.
  ErrorPresenter& errors() { return services_.errors ? *services_.errors : *this; }

 private:
  void show(ErrorDialog which) override;
  template <class Form, class... Args>
  Form* create(Args&&... args);
  // `build(*this)` creates `window` when it is first asked for.
  template <class Form, class Build>
  void onDemand(WindowOnDemand<Form>& window, Build build);

  Services services_;
  std::vector<std::unique_ptr<QWidget>> windows_;  // in creation order
};

}  // namespace pelbrix
