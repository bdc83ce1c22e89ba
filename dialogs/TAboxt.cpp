#include "dialogs/TAboxt.h"

#include "pelbrix/Version.h"
#include "platform/ControlFactory.h"
#include "platform/TitleBand.h"

namespace pelbrix {

TAboxt::TAboxt(TApplication& application) : TForm(application) {
  setObjectName(QStringLiteral("Aboxt"));
  setWindowTitle(tr("About"));

  // The band spans the box; the lines are 16 pixels apart. Laid out when first shown, not
  // at start-up: measuring the band's serif face would load a font before the main window
  // appears, for a box that may never open.
  // The version comes from the build, so it is the package's and the release's too.
  Label1 = makeControl<QLabel>(this, "Label1", {0, 0, 228, 27},
                               QStringLiteral("Pelbrix " PELBRIX_VERSION));
  Label1->setAlignment(Qt::AlignCenter);
  paintAsBand(Label1, 24, false);
  setDesignAnchor(Label1, DesignAnchor::FullWidth);
  Label2 =
      makeControl<QLabel>(this, "Label2", {0, 32, 0, 0}, tr("Written by the Pelbrix developers"));
  Label3 = makeControl<QLabel>(this, "Label3", {0, 48, 0, 0},
                               tr("Copyright (c) 2026 the Pelbrix developers"));
  Label4 =
      makeControl<QLabel>(this, "Label4", {0, 64, 0, 0}, tr("Free software under the MIT License"));
  Label5 = makeControl<QLabel>(this, "Label5", {0, 80, 0, 0},
                               tr("For more information, consult included helpfiles"));
  Button1 = makeControl<QPushButton>(this, "Button1", {64, 96, 75, 25}, tr("Close"));
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TAboxt::Button1Click);
  setDesignClientSize(this, {228, 129});
}

void TAboxt::Button1Click() {
  close();
}

}  // namespace pelbrix
