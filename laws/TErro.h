#pragma once
// The numbered error dialogs: one fixed-text dialog, shown modally, its texts chosen by number.
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "platform/TForm.h"

namespace pelbrix {

// Error dialog #`number` (1 to 5), named Erro<number>; its texts are those of TErro1..TErro5.
class TErro : public TForm {
  Q_OBJECT
 public:
  TErro(TApplication& application, int number);

  QLabel* Label1;              // the heading
  std::vector<QLabel*> Lines;  // Label2 onwards
  QPushButton* Button1;        // "&Ok"

  void Button1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct Texts;
  static const Texts& textsOf(int number);
};

}  // namespace pelbrix
