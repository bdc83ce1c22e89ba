#pragma once
// The calculators' fields: their texts read as the calculators take them, results written
// with their working, and the "K" a temperature field shows while empty.
#include <QLineEdit>
#include <span>
#include <string>

#include "core/Working.h"

namespace pelbrix {

// Writes a result into `field` with its leading digits in view (a long text would otherwise
// show its end, where the cursor is left), and the working behind it as the field's tooltip
// and accessible description, so that a screen reader reads it too. Typing into the field
// drops the working, which no longer describes its text.
void writeResult(QLineEdit* field, const QString& text, const QString& working);

// Empties the fields and drops their working.
void clearFields(std::initializer_list<QLineEdit*> fields);

// While empty, each field whose quantity is a temperature shows "K", the unit it is read in;
// the others show nothing.
void showKelvinPlaceholders(std::span<QLineEdit* const> fields,
                            std::span<const Quantity> quantities);

// The field's text as the calculators read it (UTF-8).
std::string fieldText(const QLineEdit* edit);

// The desktop's decimal separator (UTF-8), which the result texts are written with.
std::string desktopDecimalPoint();

}  // namespace pelbrix
