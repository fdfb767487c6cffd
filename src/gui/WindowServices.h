// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/FileDialogs.h"
#include "form/MessageSink.h"

#include "app/Language.h"

#include <QApplication>
#include <QPointer>
#include <functional>

#include <QWidget>

class QTranslator;

// The caption of the one button of a box that offers no choice.
QString AcceptButtonText();

// The program's message boxes as Qt modal boxes over the main window. Before a
// box opens, `beforeShow` brings the window up to date with the model, so the
// box appears over what the program has done so far.
class WidgetMessageSink : public MessageSink {
 public:
  void SetWindow(QWidget* window) { window_ = window; }
  std::function<void()> beforeShow;

  void Show(const Message& message) override;

 private:
  QPointer<QWidget> window_;
};

// The project dialogs as Qt file dialogs.
class WidgetFileDialogs : public FileDialogs {
 public:
  explicit WidgetFileDialogs(QWidget* window) : window_(window) {}
  // "¿Desea guardar los cambios de «name»?" with Guardar, No guardar and Cancelar.
  SaveAnswer AskSaveChanges(const QString& documentName) override;
  QString AskOpenFile(const QString& initialFolder, const QString& filter, const QString& defaultExtension) override;
  QString AskSaveFile(const QString& initialFolder, const QString& filter, const QString& defaultExtension) override;

 private:
  QPointer<QWidget> window_;
};

// A file filter written as "description|patterns|description|patterns" (patterns
// separated by ";") in Qt's form "description (patterns)" joined by ";;". The
// patterns named in the description and after it are merged: "Text files
// (*.txt)|*.TXT" becomes "Text files (*.txt *.TXT)".
QString QtFileFilter(const QString& filter);

// The title of the file dialog that opens (`open`) or saves a file whose
// extension is `extension`: the kind of file says what the user is doing.
QString FileDialogTitle(bool open, const QString& extension);

// The box for an error that escaped a command; the program then goes on.
void ShowErrorBox(QWidget* parent, const QString& text);

// Loads Qt's own Spanish texts (standard buttons, file dialogs, context menus)
// from Qt's translations folder and installs them on `application`, which owns
// the translator. Null when the translations are not installed: Qt's texts
// then stay in English.
QTranslator* InstallQtTranslations(QCoreApplication* application);

// The application object of the window: an error that escapes the handling of
// an event is shown in an error box and the event loop goes on. It speaks
// `language` from the start, Qt's own texts included (InstallLanguage).
class BrenakApplication : public QApplication {
 public:
  BrenakApplication(int& argc, char** argv, Language language = Language::Spanish);
  bool notify(QObject* receiver, QEvent* event) override;
};
