#include "platform/ControlFactory.h"

#include <algorithm>

namespace pelbrix {

QGroupBox* makeRadioGroup(QWidget* parent, const QString& title, const QString& name, QRect box,
                          const QStringList& captions, int firstNumber, int firstTop, int step,
                          QRadioButton** buttons) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  place(group, box.left(), box.top(), box.width(), box.height());
  for (int k = 0; k < captions.size(); ++k) {
    auto* radio = new QRadioButton(captions[k], group);
    radio->setObjectName(QStringLiteral("RadioButton%1").arg(firstNumber + k));
    // Never taller than the step, so that a button that grows pushes the next one down
    // instead of running into it.
    place(radio, 8, firstTop + k * step, box.width() - 16, std::min(17, step));
    buttons[k] = radio;
  }
  return group;
}

}  // namespace pelbrix
