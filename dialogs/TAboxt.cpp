#include "dialogs/TAboxt.h"

namespace pelbrix {

TAboxt* Aboxt = nullptr;

TAboxt::TAboxt() {
  setObjectName(QStringLiteral("Aboxt"));
  setWindowTitle(tr("About"));
  resize(236, 150);
}

}  // namespace pelbrix
