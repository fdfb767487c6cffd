#pragma once

#include <QString>

// The project file dialogs. An empty result means the user cancelled.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual QString AskOpenFile(const QString& initialFolder, const QString& filter, const QString& defaultExtension) = 0;
  virtual QString AskSaveFile(const QString& initialFolder, const QString& filter, const QString& defaultExtension) = 0;
};

// The filter of both project dialogs, as the window toolkit writes it.
inline const QString kProjectFilter = QStringLiteral("Text files (*.txt)|*.TXT");
