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
  TErroBase(TApplication& application, const QString& caption, const QString& heading,
            const QStringList& lines);
  void showEvent(QShowEvent* event) override;
};

class TErro1 : public TErroBase {
  Q_OBJECT
 public:
  explicit TErro1(TApplication& application);
};
class TErro2 : public TErroBase {
  Q_OBJECT
 public:
  explicit TErro2(TApplication& application);
};
class TErro3 : public TErroBase {
  Q_OBJECT
 public:
  explicit TErro3(TApplication& application);
};
class TErro4 : public TErroBase {
  Q_OBJECT
 public:
  explicit TErro4(TApplication& application);
};
class TErro5 : public TErroBase {
  Q_OBJECT
 public:
  explicit TErro5(TApplication& application);
};

}  // namespace pelbrix
