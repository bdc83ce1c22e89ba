#include "app/Forms.h"

#include "app/TMain.h"
#include "dialogs/TAboxt.h"
#include "dialogs/TForm9.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "laws/TErro.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

// The pictures are compiled into a static library; nothing else would pull them in.
static void registerResources() {
  Q_INIT_RESOURCE(pelbrix);
}

namespace pelbrix {

void CreateForms(TApplication& app) {
  registerResources();
  app.CreateForm(Main);
  app.CreateForm(Erro1);
  app.CreateForm(Erro2);
  app.CreateForm(Erro3);
  app.CreateForm(Erro4);
  app.CreateForm(Erro5);
  installErrorDialogs();
  app.CreateForm(TempConv);
  app.CreateForm(Optxion);
  app.CreateForm(Form9);
  app.CreateForm(BRate);
  app.CreateForm(Aboxt);
  app.CreateForm(CHRate);
}

}  // namespace pelbrix
