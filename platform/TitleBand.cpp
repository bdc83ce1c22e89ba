#include "platform/TitleBand.h"

#include <QFontDatabase>

#include "platform/DesignLayout.h"

namespace pelbrix {

namespace {
// The bands' face is Times New Roman, which few Linux desktops have. A family that is not
// installed sends every new size and weight through fontconfig's fallback search, so the
// face is chosen once: Times New Roman where it is installed, else a face with its metrics,
// else whatever serif face the fallback search gives.
QString bandFontFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* name : {"Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman"}) {
      const QString candidate = QString::fromLatin1(name);
      if (installed.contains(candidate, Qt::CaseInsensitive)) return candidate;
    }
    return QStringLiteral("Times New Roman");
  }();
  return family;
}
}  // namespace

void paintAsBand(QLabel* label, int pixelHeight, bool bold) {
  QFont font(bandFontFamily());
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  // Laying the window out scales the face with the desktop's font.
  setBandPixelHeight(label, pixelHeight);
  label->setFont(font);
  label->setAutoFillBackground(true);
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::WindowText, Qt::red);
  label->setPalette(pal);
}

QLabel* makeTitleLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  paintAsBand(label, 32, true);  // 24 pt at 96 dpi
  place(label, left, top);
  return label;
}

}  // namespace pelbrix
