#pragma once
// The five numbered error dialogs. Each carries fixed text only and is shown modally.
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <vector>

#include "platform/TForm.h"

namespace pelbrix {

class TErroBase : public TForm {
  Q_OBJECT
 public:
  QLabel* Label1;              // the heading
  std::vector<QLabel*> Lines;  // Label2 onwards
  QPushButton* Button1;        // "&Ok"

  void Button1Click();

 protected:
  TErroBase(const QString& caption, const QString& heading, const QStringList& lines);
  void showEvent(QShowEvent* event) override;
};

class TErro1 : public TErroBase {
  Q_OBJECT
 public:
  TErro1();
};
class TErro2 : public TErroBase {
  Q_OBJECT
 public:
  TErro2();
};
class TErro3 : public TErroBase {
  Q_OBJECT
 public:
  TErro3();
};
class TErro4 : public TErroBase {
  Q_OBJECT
 public:
  TErro4();
};
class TErro5 : public TErroBase {
  Q_OBJECT
 public:
  TErro5();
};

}  // namespace pelbrix
