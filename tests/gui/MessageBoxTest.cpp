// The program's messages as modal boxes over an up-to-date window.

#include "gui/WindowServices.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct BoxCase {
  const char* name;
  Message message;
  QMessageBox::StandardButtons buttons;
};
void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }


class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

}  // namespace

TEST_P(MessageBoxTest, ShowsCaptionTextAndButtons) {
  QWidget window;
  window.show();
  WidgetMessageSink sink;
  sink.SetWindow(&window);
  int syncs = 0;
  sink.beforeShow = [&] { ++syncs; };

  QString caption, text, rest;
  QMessageBox::StandardButtons buttons;
  bool modal = false;
  bool plain = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    rest = box->informativeText();
    // Neither line is read as rich text.
    plain = true;
    for (const QLabel* label : box->findChildren<QLabel*>())
      if (label->text() == text || label->text() == rest) plain = plain && label->textFormat() == Qt::PlainText;
    buttons = box->standardButtons();
    modal = box->isModal() && box->parentWidget() == &window;
    box->done(0);
  });
  sink.Show(GetParam().message);

  EXPECT_EQ(syncs, 1);
  EXPECT_TRUE(modal);
  // The caption, which a title bar may cut, is also the box's main text; the
  // message stands whole under it.
  EXPECT_EQ(caption, GetParam().message.caption);
  EXPECT_EQ(text, GetParam().message.caption);
  EXPECT_EQ(rest, GetParam().message.text);
  EXPECT_TRUE(plain);
  EXPECT_EQ(buttons, GetParam().buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, MessageBoxTest,
    ::testing::Values(
        BoxCase{"Warning", {kAtencion, "Falta la temperatura interior", MessageButtons::OkCancel},
                QMessageBox::Ok | QMessageBox::Cancel},
        BoxCase{"Validation", {"Valor fuera de límites", "Entre -273 y 5000", MessageButtons::Ok}, QMessageBox::Ok},
        BoxCase{"FieldCheck",
                {"Se espera un nº real y no letras", "El valor debe estar entre -100 y 200", MessageButtons::Ok},
                QMessageBox::Ok},
        BoxCase{"CommandLine", {"AVISO", "Mal uso", MessageButtons::Ok}, QMessageBox::Ok},
        BoxCase{"ReportError", {"Error", "<b>no</b> es HTML", MessageButtons::Yes}, QMessageBox::Yes}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });
