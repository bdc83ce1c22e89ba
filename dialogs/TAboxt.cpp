#include "dialogs/TAboxt.h"

#include "platform/Controls.h"

namespace pelbrix {

TAboxt::TAboxt() {
  setObjectName(QStringLiteral("Aboxt"));
  setWindowTitle(tr("About"));

  Label1 = new QLabel(QStringLiteral("Pelbrix 4.2"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setAlignment(Qt::AlignCenter);
  QFont bandFont(QStringLiteral("Times New Roman"));
  bandFont.setPixelSize(24);
  Label1->setFont(bandFont);
  Label1->setAutoFillBackground(true);
  QPalette bandPal = Label1->palette();
  bandPal.setColor(QPalette::Window, Qt::black);
  bandPal.setColor(QPalette::WindowText, Qt::red);
  Label1->setPalette(bandPal);

  auto line = [this](const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    return label;
  };
  Label2 = line("Label2", tr("Written by the Pelbrix developers"));
  Label3 = line("Label3", tr("Copyright (c) 2026 the Pelbrix developers"));
  Label4 = line("Label4", tr("Free software under the MIT License"));
  Label5 = line("Label5", tr("For more information, consult included helpfiles"));

  Button1 = new QPushButton(tr("Close"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TAboxt::Button1Click);

  // The band spans the box; the lines are 16 pixels apart. Laid out when first shown, not
  // at start-up: measuring the band's serif face would load a font before the main window
  // appears, for a box that may never open.
  place(Label1, 0, 0, 228, 27);
  setDesignAnchor(Label1, DesignAnchor::FullWidth);
  int top = 32;
  for (QLabel* label : {Label2, Label3, Label4, Label5}) {
    place(label, 0, top);
    top += 16;
  }
  place(Button1, 64, top, 75, 25);
  setDesignClientSize(this, {228, top + 25 + 8});
}

void TAboxt::Button1Click() {
  close();
}

}  // namespace pelbrix
