#include "dialogs/TAboxt.h"

#include <algorithm>

#include "platform/Controls.h"

namespace pelbrix {

TAboxt* Aboxt = nullptr;

TAboxt::TAboxt() {
  setObjectName(QStringLiteral("Aboxt"));
  setWindowTitle(tr("About"));

  // The version comes from the build, so it is the package's and the release's too.
  Label1 = new QLabel(QStringLiteral("Pelbrix " PELBRIX_VERSION), this);
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
}

// Laid out just before its first showing, not at start-up: measuring the band's serif
// face would load a font before the main window appears, for a box that may never open.
void TAboxt::ensureLaidOut() {
  if (laidOut_) return;
  laidOut_ = true;
  layOutLines();
}

int TAboxt::ShowModal() {
  ensureLaidOut();
  return TForm::ShowModal();
}

void TAboxt::showEvent(QShowEvent* event) {
  ensureLaidOut();
  TForm::showEvent(event);
}

void TAboxt::layOutLines() {
  // The lines keep their 16-pixel design pitch where the desktop's font fits it and
  // move apart where it is taller; the box sizes itself around them.
  const int pitch = std::max(16, Label2->sizeHint().height());
  int top = 32;
  int width = 236 - 8;  // the designed client width
  for (QLabel* label : {Label2, Label3, Label4, Label5}) {
    place(label, 0, top);
    width = std::max(width, label->width() + 8);
    top += pitch;
  }
  const QSize button = Button1->sizeHint().expandedTo(QSize(75, 25));
  Button1->setGeometry(64, top, button.width(), button.height());
  Label1->setGeometry(0, 0, width, std::max(27, Label1->sizeHint().height()));
  setFixedSize(width, top + button.height() + 8);
}

void TAboxt::Button1Click() {
  close();
}

}  // namespace pelbrix
