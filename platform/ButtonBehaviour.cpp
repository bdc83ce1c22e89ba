#include "platform/ButtonBehaviour.h"

namespace pelbrix {

void onRadioClick(QRadioButton* button, std::function<void()> handler) {
  QObject::connect(button, &QRadioButton::toggled, button, [handler = std::move(handler)](bool on) {
    if (on) handler();
  });
}

namespace {

const char kTabStopProperty[] = "pelbrixOneTabStop";

// The auto-exclusive radio buttons that share `member`'s parent, in creation order.
QList<QRadioButton*> radioGroupOf(QRadioButton* member) {
  QList<QRadioButton*> group;
  if (QWidget* parent = member->parentWidget())
    for (QRadioButton* b : parent->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
      if (b->autoExclusive()) group.append(b);
  return group;
}

void refreshRadioTabStop(QRadioButton* member) {
  if (!member->autoExclusive()) return;
  const QList<QRadioButton*> group = radioGroupOf(member);
  if (group.isEmpty()) return;
  QRadioButton* stop = group.first();
  for (QRadioButton* b : group)
    if (b->isChecked()) stop = b;
  for (QRadioButton* b : group) b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

void setRadioChecked(QRadioButton* button, bool checked) {
  if (checked) {
    button->setChecked(true);  // emits toggled(true) only when it was not checked
    return;
  }
  if (!button->isChecked()) return;
  // An auto-exclusive group refuses to uncheck its checked button.
  const bool exclusive = button->autoExclusive();
  const QSignalBlocker quiet(button);
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(exclusive);
  // No signal told the group; its Tab stop moves here.
  if (button->property(kTabStopProperty).toBool()) refreshRadioTabStop(button);
}

void onCheckBoxClick(QCheckBox* box, std::function<void()> handler) {
  QObject::connect(box, &QCheckBox::toggled, box,
                   [handler = std::move(handler)](bool) { handler(); });
}

void makeRadioGroupsOneTabStop(QWidget* window) {
  for (QRadioButton* radio : window->findChildren<QRadioButton*>()) {
    if (radio->property(kTabStopProperty).toBool()) continue;
    radio->setProperty(kTabStopProperty, true);
    QObject::connect(radio, &QRadioButton::toggled, radio,
                     [radio](bool) { refreshRadioTabStop(radio); });
    refreshRadioTabStop(radio);
  }
}

}  // namespace pelbrix
