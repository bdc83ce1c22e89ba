#pragma once
#include "platform/TForm.h"

namespace pelbrix {

class TCHRate : public TForm {
  Q_OBJECT
 public:
  TCHRate();
};

extern TCHRate* CHRate;

}  // namespace pelbrix
