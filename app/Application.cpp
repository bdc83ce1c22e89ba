#include "app/Application.h"

#include <iterator>

#include "app/TMain.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TForm9.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"
#include "platform/Help.h"
#include "platform/KeyFilters.h"
#include "platform/NotifyArea.h"
#include "platform/TApplication.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

namespace pelbrix {

template <class Form, class... Args>
Form* Application::create(Args&&... args) {
  auto form = std::make_unique<Form>(std::forward<Args>(args)...);
  Form* raw = form.get();
  // The first window created is the main window.
  if (windows_.empty()) services_.application.SetMainForm(raw);
  windows_.push_back(std::move(form));
  return raw;
}

Application::Application(const Services& services, const std::function<void(TMain&)>& mainCreated)
    : services_(services) {
  TApplication& app = services_.application;
  SettingsStore& settings = services_.settings;
  Main = create<TMain>(app, settings, errors(), services_.notifyArea);
  if (mainCreated) mainCreated(*Main);
  Erro1 = create<TErro>(app, 1);
  Erro2 = create<TErro>(app, 2);
  Erro3 = create<TErro>(app, 3);
  Erro4 = create<TErro>(app, 4);
  Erro5 = create<TErro>(app, 5);
  TempConv = create<TTempConv>(app, errors());
  Optxion = create<TOptxion>(app, *Main->TrayIcon1, settings, services_.messages);
  Form9 = create<TForm9>(app, settings, services_.clock);
  BRate = create<TBRate>(app, settings, errors());
  Aboxt = create<TAboxt>(app);
  CHRate = create<TCHRate>(app, settings, errors());
  Main->SetWindows(*this);
  // What a notification-area host that goes means is the application's to decide.
  services_.notifyArea.SetHostsHandler(
      [&app](bool iconShown) { return app.NotifyAreaHostsChanged(iconShown); });
  // F1 in any window opens the guide at that window's section.
  // Alt and a letter never types into a field.
  for (const std::unique_ptr<QWidget>& window : windows_) {
    installHelpKey(window.get(), services_.help, services_.messages);
    refuseAltTyping(window.get());
  }
}

Application::~Application() {
  services_.notifyArea.SetHostsHandler({});
  // The options dialog drives the main window's icon, and every window may refer to the
  // main one: the last created goes first.
  while (!windows_.empty()) windows_.pop_back();
}

void Application::show(ErrorDialog which) {
  // Error #k is shown by Erro<k>; ErrorDialog::None shows nothing.
  TForm* const dialogs[] = {nullptr, Erro1, Erro2, Erro3, Erro4, Erro5};
  const auto k = static_cast<std::size_t>(which);
  if (k < std::size(dialogs) && dialogs[k]) dialogs[k]->ShowModal();
}

}  // namespace pelbrix
