// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the user answers when a changed case would be left.
enum class SaveAnswer { Save, Discard, Cancel };

// The project file dialogs. An empty result means the user cancelled.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // "¿Desea guardar los cambios ...?" with Guardar, No guardar and Cancelar.
  // Without a window to ask in, the changes are left unsaved.
  virtual SaveAnswer AskSaveChanges(const QString& documentName) {
    (void)documentName;
    return SaveAnswer::Discard;
  }
  virtual QString AskOpenFile(const QString& initialFolder, const QString& filter, const QString& defaultExtension) = 0;
  virtual QString AskSaveFile(const QString& initialFolder, const QString& filter, const QString& defaultExtension) = 0;
};

// The filter of both project dialogs, as the window toolkit writes it.
inline const QString kProjectFilter = QStringLiteral("Text files (*.txt)|*.TXT");
