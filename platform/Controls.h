#pragma once
// How the forms' controls behave, the same for every form:
// - a radio button set to checked from code, when it was not checked, unchecks its
//   group and runs its click handler as a user's click does; setting the checked
//   button again, or setting a button to unchecked, runs nothing;
// - a check box's click handler runs whenever its checked state changes, by the user
//   or by code, and never when code assigns the value it already has;
// - copy, cut and paste act on the focused edit field and are enabled only when they apply;
// - Return in a page's field presses that page's "Calculate";
// - a group of radio buttons is one stop for the Tab key: its checked button.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <type_traits>

#include "core/ErrorReport.h"
#include "core/Working.h"
#include "platform/DesignLayout.h"

namespace pelbrix {

// Runs `handler` whenever `button` becomes checked, by a click or from code.
void onRadioClick(QRadioButton* button, std::function<void()> handler);
// Sets the checked state as described above; unchecking leaves no button of the group checked.
void setRadioChecked(QRadioButton* button, bool checked);

// Runs `handler` whenever the box's checked state changes.
void onCheckBoxClick(QCheckBox* box, std::function<void()> handler);

// Keyboard focus moves through `widgets` in the order given.
void chainTabOrder(std::initializer_list<QWidget*> widgets);

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

// Red "Times New Roman" of `pixelHeight` on the label's own black rectangle.
void paintAsBand(QLabel* label, int pixelHeight, bool bold);

// A page title: a bold band at its design corner, sized to its text.
QLabel* makeTitleLabel(QWidget* parent, const char* name, const QString& text, int left, int top);

// Writes a result into `field` with its leading digits in view (a long text would otherwise
// show its end, where the cursor is left), and the working behind it as the field's tooltip
// and accessible description, so that a screen reader reads it too. Typing into the field
// drops the working, which no longer describes its text.
void writeResult(QLineEdit* field, const QString& text, const QString& working);

// Empties the fields and drops their working.
void clearFields(std::initializer_list<QLineEdit*> fields);

// Shows the numbered dialog; then the focus is on fields[field], the one the error is about,
// with its text selected and its window active (no field when `field` is -1).
void reportError(ErrorPresenter& errors, ErrorDialog which, int field,
                 std::span<QLineEdit* const> fields);

// While empty, each field whose quantity is a temperature shows "K", the unit it is read in;
// the others show nothing.
void showKelvinPlaceholders(std::span<QLineEdit* const> fields,
                            std::span<const Quantity> quantities);

// Return or Enter in an edit field or on a radio button of `page` presses `button`, the page's
// "Calculate", while it is shown and enabled. The key goes no further, so a dialog does not
// press its own default button (which may be another page's) as well.
void pressOnReturn(QWidget* page, QAbstractButton* button);

// The control that takes the focus when `area` (a window or one of its pages) comes into
// view: its first enabled edit field in tab order, else its first control that the Tab key
// reaches; nullptr when it has none.
QWidget* firstInputField(QWidget* area);

// Choosing a page of `pages` puts the focus on the page's first input field.
void focusFirstFieldOnPageChange(QTabWidget* pages);

// Makes each group of auto-exclusive radio buttons under `window` one stop for the Tab key:
// the checked button, or the group's first while none is checked. The arrow keys still move
// within the group, and a click still focuses any button.
void makeRadioGroupsOneTabStop(QWidget* window);

// Alt with a letter in any edit field of `window` is a menu's access key or nothing; it never
// types the letter into the field.
void refuseAltTyping(QWidget* window);

// The field's text as the calculators read it (UTF-8).
std::string fieldText(const QLineEdit* edit);

// The desktop's decimal separator (UTF-8), which the result texts are written with.
std::string desktopDecimalPoint();

// The standard edit actions of a window: "&Copy", "Cu&t" and "&Paste" with their hints and
// shortcuts, acting on whichever attached field has the focus, enabled only when they apply.
class EditActions : public QObject {
  Q_OBJECT
 public:
  explicit EditActions(QWidget* window);

  QAction* EditCopy1;
  QAction* EditCut1;
  QAction* EditPaste1;

  // Gives `edit` the pop-up menu `menu` (which should hold the three actions) and keeps
  // the actions' enabled state up to date for it.
  void attach(QLineEdit* edit, QMenu* menu);

  // Recomputes the enabled states from the focused field, its selection and the clipboard.
  void updateEnabled();

 private:
  QLineEdit* target() const;
  QWidget* window_;
  QLineEdit* lastEdit_ = nullptr;
  QLineEdit* menuField_ = nullptr;  // the field whose pop-up menu is open
};

}  // namespace pelbrix
