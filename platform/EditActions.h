#pragma once
// The standard copy, cut and paste actions of a window's edit fields.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QObject>

namespace pelbrix {

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
