// Long pastes: every edit field that takes a number keeps the whole of a pasted text, so a
// number longer than the toolkit's default limit is computed as pasted, never cut short.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/TMain.h"
#include "dialogs/TOptxion.h"
#include "dialogs/TTempConv.h"
#include "rates/TBRate.h"
#include "rates/TCHRate.h"

using namespace pelbrix;
using LongPastes = test::WindowsTest;

namespace {
// Leading zeros before the digit that counts: a megabyte and more of them, and for every
// field at once, just more than the toolkit's default limit of 32,767 characters.
QString longTwo(int zeros) {
  return QString(zeros, QLatin1Char('0')) + QStringLiteral("2");
}
}  // namespace

TEST_F(LongPastes, EveryNumberFieldKeepsTextBeyondTheDefaultLimit) {
  const QString text = longTwo(40000);
  QApplication::clipboard()->setText(text);
  const QWidget* forms[] = {windows.Main, windows.BRate, windows.CHRate, windows.TempConv};
  int fields = 0;
  for (const QWidget* form : forms)
    for (QLineEdit* edit : form->findChildren<QLineEdit*>()) {
      edit->paste();
      EXPECT_EQ(edit->text().size(), text.size()) << edit->objectName().toStdString();
      ++fields;
    }
  EXPECT_GE(fields, 30);
  // The interval keeps its designed limit of three characters.
  QLineEdit* interval = windows.Optxion->IntervalEdit;
  interval->clear();
  interval->paste();
  EXPECT_EQ(interval->text().toStdString(), "000");
}

TEST_F(LongPastes, APastedMegabyteNumberIsComputedAsPasted) {
  TBoylePage* boyle = windows.Main->TabSheet1;
  QApplication::clipboard()->setText(longTwo(1 << 20));
  boyle->Edit1->paste();
  QTest::keyClicks(boyle->Edit2, QStringLiteral("3"));
  QTest::keyClicks(boyle->Edit3, QStringLiteral("1"));
  QTest::mouseClick(boyle->Button1, Qt::LeftButton);
  EXPECT_EQ(boyle->Edit4->text(), QStringLiteral("6"));
}
