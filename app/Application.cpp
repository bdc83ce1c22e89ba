#include "app/Application.h"

#include <iterator>

#include "app/TMain.h"
#include "core/SettingsStore.h"
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
  // F1 in any window opens the guide at that window's section.
  // Alt and a letter never types into a field.
  installHelpKey(raw, services_.help, services_.messages);
  refuseAltTyping(raw);
  windows_.push_back(std::move(form));
  return raw;
}

template <class Form, class Build>
void Application::onDemand(WindowOnDemand<Form>& window, Build build) {
  window.build_ = [this, build] { return build(*this); };
}

Application::Application(const Services& services, const std::function<void(TMain&)>& mainCreated)
    : services_(services) {
  TApplication& app = services_.application;
  SettingsStore& settings = services_.settings;
  Main = create<TMain>(app, settings, errors(), services_.notifyArea);
  if (mainCreated) mainCreated(*Main);
  // The secondary windows are built when first needed. What each reads from the settings
  // file is read here, in the windows' order, so a window built later shows what the file
  // held at start-up.
  WindowOnDemand<TErro>* const errorDialogs[] = {&Erro1, &Erro2, &Erro3, &Erro4, &Erro5};
  for (int k = 0; k < 5; ++k)
    onDemand(*errorDialogs[k],
             [k](Application& a) { return a.create<TErro>(a.services_.application, k + 1); });
  onDemand(TempConv,
           [](Application& a) { return a.create<TTempConv>(a.services_.application, a.errors()); });
  const OptionsChoices options = settings.load().read(kOptionsKeys);
  onDemand(Optxion, [options](Application& a) {
    return a.create<TOptxion>(a.services_.application, *a.Main->TrayIcon1, a.services_.settings,
                              a.services_.messages, &options);
  });
  // Options that act on the icon act at start-up.
  if (TOptxion::RestoringActs(options)) Optxion.get();
  Form9 = create<TForm9>(app, settings, services_.clock);
  const RateWindowChoices boyle = settings.load().read(kBoyleRateKeys);
  onDemand(BRate, [boyle](Application& a) {
    return a.create<TBRate>(a.services_.application, a.services_.settings, a.errors(), &boyle);
  });
  onDemand(Aboxt, [](Application& a) { return a.create<TAboxt>(a.services_.application); });
  const RateWindowChoices charles = settings.load().read(kCharlesRateKeys);
  onDemand(CHRate, [charles](Application& a) {
    return a.create<TCHRate>(a.services_.application, a.services_.settings, a.errors(), &charles);
  });
  Main->SetWindows(*this);
  // What a notification-area host that goes means is the application's to decide.
  services_.notifyArea.SetHostsHandler(
      [&app](bool iconShown) { return app.NotifyAreaHostsChanged(iconShown); });
}

Application::~Application() {
  services_.notifyArea.SetHostsHandler({});
  // Nothing is built any more while the windows go.
  for (auto* window : {&Erro1.build_, &Erro2.build_, &Erro3.build_, &Erro4.build_, &Erro5.build_})
    *window = nullptr;
  TempConv.build_ = nullptr;
  Optxion.build_ = nullptr;
  BRate.build_ = nullptr;
  Aboxt.build_ = nullptr;
  CHRate.build_ = nullptr;
  // The options dialog drives the main window's icon, and every window may refer to the
  // main one: the last created goes first.
  while (!windows_.empty()) windows_.pop_back();
}

void Application::show(ErrorDialog which) {
  // Error #k is shown by Erro<k>; ErrorDialog::None shows nothing.
  const WindowOnDemand<TErro>* const dialogs[] = {nullptr, &Erro1, &Erro2, &Erro3, &Erro4, &Erro5};
  const auto k = static_cast<std::size_t>(which);
  if (k < std::size(dialogs) && dialogs[k])
    if (TForm* dialog = dialogs[k]->get()) dialog->ShowModal();
}

}  // namespace pelbrix
