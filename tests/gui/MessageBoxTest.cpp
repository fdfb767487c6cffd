// SPDX-License-Identifier: GPL-3.0-or-later
// The program's messages as modal boxes over an up-to-date window.

#include "gui/WindowServices.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <ostream>

namespace {

struct BoxCase {
  const char* name;
  Message message;
  QMessageBox::Icon icon;
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
  QStringList buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
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
    for (const QAbstractButton* b : box->buttons()) buttons << b->text();
    icon = box->icon();
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
  // No box offers a choice: one button closes it, in Spanish even without
  // Qt's own translations.
  EXPECT_EQ(buttons, QStringList{QStringLiteral("Aceptar")});
  EXPECT_EQ(icon, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(
    Conventions, MessageBoxTest,
    ::testing::Values(
        BoxCase{"Warning", {kAtencion, "Falta la temperatura interior", MessageButtons::Ok}, QMessageBox::Warning},
        BoxCase{
            "Validation", {"Valor fuera de límites", "Entre -273 y 5000", MessageButtons::Ok}, QMessageBox::Warning},
        BoxCase{"FieldCheck",
                {"Se espera un nº real y no letras", "El valor debe estar entre -100 y 200", MessageButtons::Ok},
                QMessageBox::Warning},
        BoxCase{"CommandLine", {"AVISO", "Mal uso", MessageButtons::Ok}, QMessageBox::Warning},
        BoxCase{"ReportError", {"Error", "<b>no</b> es HTML", MessageButtons::Error}, QMessageBox::Critical}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

// Qt's own texts are Spanish once the program's translations are in: the
// standard buttons of every box, and the strings of Qt's dialogs and menus.
TEST(QtTranslationsTest, StandardButtonsSpeakSpanish) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFile::exists(folder + QStringLiteral("/qtbase_es.qm")))
    GTEST_SKIP() << "Qt's Spanish translations are not installed in " << folder.toStdString();
  QTranslator* translator = InstallQtTranslations(QCoreApplication::instance());
  ASSERT_NE(translator, nullptr);
  EXPECT_EQ(translator->parent(), QCoreApplication::instance());
  EXPECT_FALSE(translator->isEmpty());
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancelar"));

  QMessageBox box(QMessageBox::Question, QStringLiteral("Brenak"), QStringLiteral("¿Seguir?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  auto shown = [&](QMessageBox::StandardButton b) { return box.button(b)->text().remove(QLatin1Char('&')); };
  EXPECT_EQ(shown(QMessageBox::Cancel), QStringLiteral("Cancelar"));
  EXPECT_EQ(shown(QMessageBox::Yes), QStringLiteral("Sí"));
  EXPECT_EQ(shown(QMessageBox::No), QStringLiteral("No"));
  QCoreApplication::removeTranslator(translator);
  delete translator;
}

// Before a changed case is left: the question names the project, and each of
// its three buttons gives its answer (Escape cancels).
TEST(SaveChangesBoxTest, AsksInSpanishAndGivesTheAnswerOfTheButton) {
  QWidget window;
  window.show();
  WidgetFileDialogs dialogs(&window);
  const QList<std::pair<QString, SaveAnswer>> answers = {{QStringLiteral("Guardar"), SaveAnswer::Save},
                                                         {QStringLiteral("No guardar"), SaveAnswer::Discard},
                                                         {QStringLiteral("Cancelar"), SaveAnswer::Cancel},
                                                         {QString(), SaveAnswer::Cancel}};
  for (const auto& [pressed, answer] : answers) {
    // A structured binding is named again for the lambda below to capture it.
    const QString& press = pressed;
    SCOPED_TRACE(press.toStdString());
    QString text;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      text = box->text();
      for (QAbstractButton* b : box->buttons()) {
        buttons << b->text();
        if (b->text() == press) b->click();
      }
      if (press.isEmpty()) QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.AskSaveChanges(QStringLiteral("caso.txt")), answer);
    EXPECT_EQ(text, QStringLiteral("¿Desea guardar los cambios de «caso.txt»?"));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Cancelar", "Guardar", "No guardar"}));
  }
}
