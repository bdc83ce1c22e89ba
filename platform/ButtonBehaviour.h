#pragma once
// Radio buttons and check boxes as the forms expect them:
// - a radio button set to checked from code, when it was not checked, unchecks its
//   group and runs its click handler as a user's click does; setting the checked
//   button again, or setting a button to unchecked, runs nothing;
// - a check box's click handler runs whenever its checked state changes, by the user
//   or by code, and never when code assigns the value it already has;
// - a group of radio buttons is one stop for the Tab key: its checked button.
#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>
#include <functional>

namespace pelbrix {

// Runs `handler` whenever `button` becomes checked, by a click or from code.
void onRadioClick(QRadioButton* button, std::function<void()> handler);
// Sets the checked state as described above; unchecking leaves no button of the group checked.
void setRadioChecked(QRadioButton* button, bool checked);

// Runs `handler` whenever the box's checked state changes.
void onCheckBoxClick(QCheckBox* box, std::function<void()> handler);

// Makes each group of auto-exclusive radio buttons under `window` one stop for the Tab key:
// the checked button, or the group's first while none is checked. The arrow keys still move
// within the group, and a click still focuses any button.
void makeRadioGroupsOneTabStop(QWidget* window);

}  // namespace pelbrix
