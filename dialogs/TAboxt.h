#pragma once
#include "platform/TForm.h"

namespace pelbrix {

class TAboxt : public TForm {
  Q_OBJECT
 public:
  TAboxt();
};

extern TAboxt* Aboxt;

}  // namespace pelbrix
