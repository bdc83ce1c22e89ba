#pragma once
// The red-on-black title bands of the pages, the splash screen and the About box, and the
// face they use.
#include <QLabel>

namespace pelbrix {

// Red "Times New Roman" of `pixelHeight` on the label's own black rectangle.
void paintAsBand(QLabel* label, int pixelHeight, bool bold);

// A page title: a bold band at its design corner, sized to its text.
QLabel* makeTitleLabel(QWidget* parent, const char* name, const QString& text, int left, int top);

}  // namespace pelbrix
