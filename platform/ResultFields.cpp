#include "platform/ResultFields.h"

#include <QLocale>

namespace pelbrix {

namespace {
const char kDropsWorkingProperty[] = "pelbrixDropsWorking";

void setWorking(QLineEdit* field, const QString& working) {
  field->setToolTip(working);
  field->setAccessibleDescription(working);
}
}  // namespace

void writeResult(QLineEdit* field, const QString& text, const QString& working) {
  field->setText(text);
  field->setCursorPosition(0);
  setWorking(field, working);
  if (!field->property(kDropsWorkingProperty).toBool()) {
    field->setProperty(kDropsWorkingProperty, true);
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [field] { setWorking(field, QString()); });
  }
}

void clearFields(std::initializer_list<QLineEdit*> fields) {
  for (QLineEdit* field : fields) {
    field->setText(QString());
    setWorking(field, QString());
  }
}

void showKelvinPlaceholders(std::span<QLineEdit* const> fields,
                            std::span<const Quantity> quantities) {
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const bool temperature = k < quantities.size() && quantities[k].temperature;
    fields[k]->setPlaceholderText(temperature ? QObject::tr("K") : QString());
  }
}

std::string fieldText(const QLineEdit* edit) {
  return edit->text().toStdString();
}

std::string desktopDecimalPoint() {
  return QLocale::system().decimalPoint().toStdString();
}

}  // namespace pelbrix
