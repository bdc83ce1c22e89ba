#pragma once
// The About box: the product's name and version, the credit, copyright and licence
// lines, and a pointer to the help files.
#include <QLabel>
#include <QPushButton>

#include "platform/TForm.h"

namespace pelbrix {

class TAboxt : public TForm {
  Q_OBJECT
 public:
  explicit TAboxt(TApplication& application);

  QLabel* Label1;  // the red band with the name and version
  QLabel* Label2;  // credit
  QLabel* Label3;  // copyright
  QLabel* Label4;  // licence
  QLabel* Label5;
  QPushButton* Button1;

  void Button1Click();
};

}  // namespace pelbrix
