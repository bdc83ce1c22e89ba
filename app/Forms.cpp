#include "app/Forms.h"

#include "app/TMain.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TForm9.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

namespace pelbrix {

void CreateForms(TApplication& app, const std::function<void()>& mainCreated) {
  app.CreateForm(Main);
  if (mainCreated) mainCreated();
  app.CreateForm(Erro1);
  app.CreateForm(Erro2);
  app.CreateForm(Erro3);
  app.CreateForm(Erro4);
  app.CreateForm(Erro5);
  installErrorDialogs();
  app.CreateForm(TempConv);
  app.CreateForm(Optxion, Main->TrayIcon1);
  app.CreateForm(Form9);
  app.CreateForm(BRate);
  app.CreateForm(Aboxt);
  app.CreateForm(CHRate);
}

}  // namespace pelbrix
