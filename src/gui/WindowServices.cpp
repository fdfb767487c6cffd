// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowServices.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <exception>

namespace {

// The descriptions of the file filters the program hands to its dialogs, in
// the Spanish of their source; the dialog shows them translated.
[[maybe_unused]] constexpr const char* kFilterDescriptions[] = {QT_TRANSLATE_NOOP("WindowServices", "Documento PDF")};

}  // namespace

QString AcceptButtonText() { return QCoreApplication::translate("WindowServices", "Aceptar"); }

void WidgetMessageSink::Show(const Message& message) {
  if (beforeShow) beforeShow();
  // A box only tells: its one button closes it, whatever the language of Qt's
  // own texts.
  const QMessageBox::Icon icon =
      message.buttons == MessageButtons::Error ? QMessageBox::Critical : QMessageBox::Warning;
  // The caption is the box's title, which a window manager may cut short or
  // not show at all: it is also the main text, and the rest stands under it.
  const bool titled = !message.caption.isEmpty();
  QMessageBox box(icon, message.caption, titled ? message.caption : message.text, QMessageBox::Ok, window_);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Ok)->setText(AcceptButtonText());
  if (titled && !message.text.isEmpty()) {
    if (auto* main = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
      QFont bold = main->font();
      bold.setBold(true);
      main->setFont(bold);
    }
    box.setInformativeText(message.text);
    if (auto* rest = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
      rest->setTextFormat(Qt::PlainText);
  }
  box.exec();
}

namespace {

QString AskFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& initialFolder, const QString& filter,
                const QString& defaultExtension) {
  QFileDialog dialog(parent, FileDialogTitle(mode == QFileDialog::AcceptOpen, defaultExtension), initialFolder,
                     QtFileFilter(filter));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultExtension);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

SaveAnswer WidgetFileDialogs::AskSaveChanges(const QString& documentName) {
  QMessageBox box(
      QMessageBox::Warning, QCoreApplication::translate("WindowServices", "Guardar cambios"),
      QCoreApplication::translate("WindowServices", "¿Desea guardar los cambios de «%1»?").arg(documentName),
      QMessageBox::NoButton, window_);
  box.setTextFormat(Qt::PlainText);
  box.setInformativeText(QCoreApplication::translate("WindowServices", "Si no los guarda, se perderán."));
  QPushButton* save = box.addButton(QCoreApplication::translate("WindowServices", "Guardar"), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(QCoreApplication::translate("WindowServices", "No guardar"), QMessageBox::DestructiveRole);
  QPushButton* cancel =
      box.addButton(QCoreApplication::translate("WindowServices", "Cancelar"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveAnswer::Save;
  if (box.clickedButton() == discard) return SaveAnswer::Discard;
  return SaveAnswer::Cancel;
}

QString WidgetFileDialogs::AskOpenFile(const QString& initialFolder, const QString& filter,
                                       const QString& defaultExtension) {
  return AskFile(window_, QFileDialog::AcceptOpen, initialFolder, filter, defaultExtension);
}

QString WidgetFileDialogs::AskSaveFile(const QString& initialFolder, const QString& filter,
                                       const QString& defaultExtension) {
  return AskFile(window_, QFileDialog::AcceptSave, initialFolder, filter, defaultExtension);
}

QString FileDialogTitle(bool open, const QString& extension) {
  const QString kind = extension.toLower();
  if (kind == QLatin1String("pdf")) return QCoreApplication::translate("WindowServices", "Guardar como PDF");
  if (kind == QLatin1String("json"))
    return open ? QCoreApplication::translate("WindowServices", "Abrir instalación")
                : QCoreApplication::translate("WindowServices", "Guardar instalación");
  if (kind == QLatin1String("csv"))
    return open ? QCoreApplication::translate("WindowServices", "Importar tramos de una lista CSV")
                : QCoreApplication::translate("WindowServices", "Guardar como CSV");
  return open ? QCoreApplication::translate("WindowServices", "Abrir proyecto")
              : QCoreApplication::translate("WindowServices", "Guardar proyecto");
}

QString QtFileFilter(const QString& filter) {
  static const QRegularExpression inParentheses(QStringLiteral("\\(([^()]*)\\)\\s*$"));
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList entries;
  for (int i = 0; i < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    QStringList patterns;
    const QRegularExpressionMatch named = inParentheses.match(description);
    if (named.hasMatch()) {
      patterns += named.captured(1).split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
      description = description.left(named.capturedStart()).trimmed();
    }
    if (!description.isEmpty())
      description = QCoreApplication::translate("WindowServices", description.toUtf8().constData());
    if (i + 1 < parts.size())
      patterns += parts[i + 1].split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
    patterns.removeDuplicates();
    if (description.isEmpty() && patterns.isEmpty()) continue;
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    entries << (description.isEmpty()
                    ? patterns.join(QLatin1Char(' '))
                    : description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
  }
  return entries.join(QStringLiteral(";;"));
}

void ShowErrorBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Brenak"), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Ok)->setText(AcceptButtonText());
  box.exec();
}

QTranslator* InstallQtTranslations(QCoreApplication* application) {
  auto* translator = new QTranslator(application);
  if (!translator->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

BrenakApplication::BrenakApplication(int& argc, char** argv, Language language) : QApplication(argc, argv) {
  InstallLanguage(*this, language);
}

bool BrenakApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowErrorBox(activeWindow(), QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ShowErrorBox(activeWindow(), QCoreApplication::translate("WindowServices", "Error inesperado"));
  }
  return false;
}
