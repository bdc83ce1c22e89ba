#include "rates/TBRate.h"

namespace pelbrix {

TBRate* BRate = nullptr;

TBRate::TBRate() {
  setObjectName(QStringLiteral("BRate"));
  setWindowTitle(tr("Boyle Rate"));
  resize(282, 470);
}

}  // namespace pelbrix
