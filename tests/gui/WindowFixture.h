// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Brenak.h"
#include "app/StartUp.h"
#include "form/NumberFormat.h"
#include "gui/ChartPanel.h"
#include "gui/MainWindow.h"
#include "gui/PictureWidget.h"
#include "gui/RadioGroupBox.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <ostream>

// The real window on a started program, shown and active, with the welcome
// panel closed. Actions go through the widgets as a user's would.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator(Separator());
    window = std::make_unique<MainWindow>(app);
    window->showError = [this](const QString& text) { errors << text; };
    CreateMainWindow(app, QString());
    window->Sync();
    window->resize(1366, 740);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    if (CloseWelcome()) Click("Image1");
  }
  void TearDown() override {
    window.reset();
    ResetDecimalSeparator();
  }
  virtual QChar Separator() const { return QLatin1Char('.'); }
  virtual bool CloseWelcome() const { return true; }

  QWidget* W(const QString& name) const { return window->ControlWidget(name); }
  template <typename T>
  T* As(const QString& name) const {
    return qobject_cast<T*>(W(name));
  }

  // A left click in the middle of a control.
  void Click(const QString& name) {
    QWidget* w = W(name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
  }
  // A click on row `row` of a radio group.
  void ChooseRow(const QString& group, int row) {
    auto* box = As<RadioGroupBox>(group);
    ASSERT_NE(box, nullptr) << group.toStdString();
    QRadioButton* button = box->Button(row);
    ASSERT_NE(button, nullptr) << group.toStdString() << " row " << row;
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
  }
  // Picks a row of a combo box with the keyboard.
  void PickComboRow(const QString& name, int row) {
    auto* combo = As<QComboBox>(name);
    ASSERT_NE(combo, nullptr);
    combo->setFocus(Qt::TabFocusReason);
    while (combo->currentIndex() < row) QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > row) QTest::keyClick(combo, Qt::Key_Up);
  }
  // Clicks into a field and replaces its text by typing; then moves on with
  // Tab, or stays (the next click elsewhere leaves the field).
  void TypeInto(const QString& name, const QString& text, bool tab = true) {
    auto* edit = As<QLineEdit>(name);
    ASSERT_NE(edit, nullptr);
    Click(name);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    if (tab) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QString Shown(const QString& name) const {
    if (auto* edit = As<QLineEdit>(name)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(W(name))) return label->text();
    return {};
  }

  RecordingMessageSink sink;
  Brenak app{sink};
  std::unique_ptr<MainWindow> window;
  QStringList errors;
};
