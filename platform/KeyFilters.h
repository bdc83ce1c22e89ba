#pragma once
// Key filters on a window's controls: Return in a page's field or on its radio buttons
// presses the page's "Calculate", and Alt with a letter types nothing into a field.
#include <QAbstractButton>
#include <QWidget>

namespace pelbrix {

// Return or Enter in an edit field or on a radio button of `page` presses `button`, the page's
// "Calculate", while it is shown and enabled. The key goes no further, so a dialog does not
// press its own default button (which may be another page's) as well.
void pressOnReturn(QWidget* page, QAbstractButton* button);

// Alt with a letter in any edit field of `window` is a menu's access key or nothing; it never
// types the letter into the field.
void refuseAltTyping(QWidget* window);

}  // namespace pelbrix
