#pragma once
#include "platform/TForm.h"

namespace pelbrix {

class TTempConv : public TForm {
  Q_OBJECT
 public:
  TTempConv();
};

extern TTempConv* TempConv;

}  // namespace pelbrix
