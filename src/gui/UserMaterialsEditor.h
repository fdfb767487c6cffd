// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/UserMaterials.h"

#include <QDialog>
#include <QObject>
#include <functional>

class Brenak;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The small dialog of one of the user's materials: its name, its conductivity
// (W/mºC) and its vapour resistivity (MN s/g m). Numbers are read with either
// decimal separator.
class UserMaterialDialog : public QDialog {
  Q_OBJECT
 public:
  UserMaterialDialog(const QString& title, const UserMaterial& start, QWidget* parent = nullptr);

  // The material as typed. A field left as it was keeps its value exactly; a
  // number that cannot be read is NaN, which the list refuses; an empty
  // number is 0.
  UserMaterial Material() const;

 private:
  UserMaterial start_;
  QString conductivityShown_, resistivityShown_;
  QLineEdit* name_;
  QLineEdit* conductivity_;
  QLineEdit* resistivity_;
};

// The tools of the material chooser that edit the user's own list: "Nuevo
// material...", "Modificar..." and "Eliminar", put into `holder`. Changes go
// through the program's commands (saved at once, refused with their message);
// the window is brought up to date after each.
class UserMaterialsEditor : public QObject {
  Q_OBJECT
 public:
  using Forward = std::function<void(const std::function<void()>& action)>;
  UserMaterialsEditor(Brenak& app, QWidget* holder, Forward forward);

  // Offers "Modificar..." and "Eliminar" only while a material is chosen.
  void Sync();

  void Add();
  void Edit();
  void Delete();

 private:
  // Asks for a material until `keep` accepts it or the user cancels; a refused
  // material comes back to the dialog as typed, to be corrected.
  void AskUntilKept(const QString& title, const UserMaterial& start,
                    const std::function<bool(const UserMaterial&)>& keep);
  int ChosenRow() const;

  Brenak& app_;
  QWidget* holder_;
  Forward forward_;
  QLabel* empty_;
  QPushButton* add_;
  QPushButton* edit_;
  QPushButton* delete_;
};
