#include "rates/TCHRate.h"

namespace pelbrix {

TCHRate* CHRate = nullptr;

TCHRate::TCHRate() {
  setObjectName(QStringLiteral("CHRate"));
  setWindowTitle(tr("Charles Rate"));
  resize(300, 470);
}

}  // namespace pelbrix
