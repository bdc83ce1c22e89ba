#pragma once
// Controls made the way every form makes them: named after the design, placed at its
// rectangle.
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <limits>
#include <type_traits>

#include "platform/DesignLayout.h"

namespace pelbrix {

// A group box of radio buttons by design: the box at `box`, button k at
// (8, firstTop + k * step) inside it, as wide as the box allows and 17 pixels high (at most
// `step`), named
// "RadioButton<firstNumber + k>" and stored in buttons[k].
QGroupBox* makeRadioGroup(QWidget* parent, const QString& title, const QString& name, QRect box,
                          const QStringList& captions, int firstNumber, int firstTop, int step,
                          QRadioButton** buttons);

// A control of type W, constructed from `args` and `parent`, named `name` and placed at
// its design rectangle (a zero width or height: its natural size). An edit field takes text
// of any length: the toolkit's default would cut a paste at 32,767 characters without a
// word, and a number cut short computes another value.
template <class W, class... Args>
W* makeControl(QWidget* parent, const char* name, QRect design, Args&&... args) {
  auto* control = new W(std::forward<Args>(args)..., parent);
  if constexpr (std::is_base_of_v<QLineEdit, W>)
    control->setMaxLength(std::numeric_limits<int>::max());
  control->setObjectName(QLatin1String(name));
  place(control, design.x(), design.y(), design.width(), design.height());
  return control;
}

}  // namespace pelbrix
