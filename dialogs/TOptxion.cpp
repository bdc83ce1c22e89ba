#include "dialogs/TOptxion.h"

namespace pelbrix {

TOptxion* Optxion = nullptr;

TOptxion::TOptxion() {
  setObjectName(QStringLiteral("Optxion"));
  setWindowTitle(tr("Options"));
  resize(187, 158);
}

}  // namespace pelbrix
