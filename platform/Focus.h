#pragma once
// Where the keyboard focus goes: the tab order, a page's first field, and the field an
// error dialog was about.
#include <QLineEdit>
#include <QTabWidget>
#include <span>

#include "core/ErrorReport.h"

namespace pelbrix {

// Keyboard focus moves through `widgets` in the order given.
void chainTabOrder(std::initializer_list<QWidget*> widgets);

// Shows the numbered dialog; then the focus is on fields[field], the one the error is about,
// with its text selected and its window active (no field when `field` is -1).
void reportError(ErrorPresenter& errors, ErrorDialog which, int field,
                 std::span<QLineEdit* const> fields);

// The control that takes the focus when `area` (a window or one of its pages) comes into
// view: its first enabled edit field in tab order, else its first control that the Tab key
// reaches; nullptr when it has none.
QWidget* firstInputField(QWidget* area);

// Choosing a page of `pages` puts the focus on the page's first input field.
void focusFirstFieldOnPageChange(QTabWidget* pages);

}  // namespace pelbrix
