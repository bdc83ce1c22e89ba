#include "dialogs/TForm9.h"

namespace pelbrix {

TForm9* Form9 = nullptr;

TForm9::TForm9() {
  setObjectName(QStringLiteral("Form9"));
  setWindowTitle(tr("Form9"));
  resize(516, 394);
}

}  // namespace pelbrix
