// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/UserMaterialsEditor.h"

#include "app/Brenak.h"
#include "app/UserMaterialCommands.h"
#include "form/NumberFormat.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

namespace {

const QString kList = QStringLiteral("RGMisMateriales");

// A value as the user would type it: the locale's separator, no trailing zeros.
QString Short(double value, int precision, int digits) {
  QString text = FormatFixed(value, precision, digits);
  if (text.contains(DecimalSeparator()) && !text.contains('e') && !text.contains('E')) {
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith(DecimalSeparator())) text.chop(1);
  }
  return text;
}

float Read(const QLineEdit* edit) {
  const QString text = edit->text().trimmed();
  if (!text.isEmpty() && !TryParseNumber(text)) return std::numeric_limits<float>::quiet_NaN();
  return ParseNumber(text);
}

}  // namespace

UserMaterialDialog::UserMaterialDialog(const QString& title, const UserMaterial& start, QWidget* parent)
    : QDialog(parent), start_(start) {
  setObjectName(QStringLiteral("UserMaterialDialog"));
  setWindowTitle(title);
  const bool fresh = start.name.isEmpty() && start.conductivity == 0;
  conductivityShown_ = fresh ? QString() : Short(start.conductivity, 6, 4);
  resistivityShown_ = fresh ? QString() : Short(start.vapourResistivity, 7, 2);

  name_ = new QLineEdit(start.name, this);
  name_->setObjectName(QStringLiteral("UserMaterialName"));
  name_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
  conductivity_ = new QLineEdit(conductivityShown_, this);
  conductivity_->setObjectName(QStringLiteral("UserMaterialConductivity"));
  conductivity_->setPlaceholderText(
      QCoreApplication::translate("UserMaterialsEditor", "por ejemplo %1").arg(Short(0.035, 6, 3)));
  resistivity_ = new QLineEdit(resistivityShown_, this);
  resistivity_->setObjectName(QStringLiteral("UserMaterialResistivity"));
  resistivity_->setPlaceholderText(QCoreApplication::translate("UserMaterialsEditor", "0 si no se conoce"));

  auto* form = new QFormLayout;
  form->addRow(QCoreApplication::translate("UserMaterialsEditor", "&Nombre:"), name_);
  form->addRow(QCoreApplication::translate("UserMaterialsEditor", "&Conductividad (W/mºC):"), conductivity_);
  form->addRow(QCoreApplication::translate("UserMaterialsEditor", "&Resistividad al vapor (MN s/g m):"), resistivity_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("UserMaterialsEditor", "Guardar"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("UserMaterialsEditor", "Cancelar"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(
      QCoreApplication::translate("UserMaterialsEditor", "Los valores declarados por el fabricante del material."),
      this);
  note->setWordWrap(true);
  layout->addWidget(note);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

UserMaterial UserMaterialDialog::Material() const {
  auto value = [](const QLineEdit* edit, const QString& shown, float kept) {
    return !shown.isEmpty() && edit->text() == shown ? kept : Read(edit);
  };
  UserMaterial m;
  m.name = name_->text().trimmed();
  m.conductivity = value(conductivity_, conductivityShown_, start_.conductivity);
  m.vapourResistivity = value(resistivity_, resistivityShown_, start_.vapourResistivity);
  return m;
}

UserMaterialsEditor::UserMaterialsEditor(Brenak& app, QWidget* holder, Forward forward)
    : QObject(holder), app_(app), holder_(holder), forward_(std::move(forward)) {
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  empty_ = new QLabel(QCoreApplication::translate("UserMaterialsEditor", "Aún no hay materiales propios."), holder);
  empty_->setObjectName(QStringLiteral("UserMaterialsEmpty"));
  empty_->setEnabled(false);  // drawn greyed: a note, not a value
  layout->addWidget(empty_);

  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  add_ = new QPushButton(QCoreApplication::translate("UserMaterialsEditor", "Nuevo material..."), holder);
  add_->setObjectName(QStringLiteral("UserMaterialAdd"));
  add_->setToolTip(QCoreApplication::translate("UserMaterialsEditor", "Añadir un material propio a la lista"));
  edit_ = new QPushButton(QCoreApplication::translate("UserMaterialsEditor", "Modificar..."), holder);
  edit_->setObjectName(QStringLiteral("UserMaterialEdit"));
  edit_->setToolTip(QCoreApplication::translate("UserMaterialsEditor", "Modificar el material propio elegido"));
  delete_ = new QPushButton(QCoreApplication::translate("UserMaterialsEditor", "Eliminar"), holder);
  delete_->setObjectName(QStringLiteral("UserMaterialDelete"));
  delete_->setToolTip(
      QCoreApplication::translate("UserMaterialsEditor", "Quitar el material propio elegido de la lista"));
  for (QPushButton* b : {add_, edit_, delete_}) {
    // As the window's own buttons: a mouse press leaves the focus where it is.
    b->setFocusPolicy(Qt::TabFocus);
    row->addWidget(b);
  }
  row->addStretch(1);
  layout->addLayout(row);

  connect(add_, &QPushButton::clicked, this, &UserMaterialsEditor::Add);
  connect(edit_, &QPushButton::clicked, this, &UserMaterialsEditor::Edit);
  connect(delete_, &QPushButton::clicked, this, &UserMaterialsEditor::Delete);
  Sync();
}

int UserMaterialsEditor::ChosenRow() const {
  const int row = app_.form.Index(kList);
  return row >= 0 && row < static_cast<int>(app_.userMaterials.size()) ? row : -1;
}

void UserMaterialsEditor::Sync() {
  const bool chosen = ChosenRow() >= 0;
  if (edit_->isEnabled() != chosen) edit_->setEnabled(chosen);
  if (delete_->isEnabled() != chosen) delete_->setEnabled(chosen);
  const bool none = app_.userMaterials.empty();
  if (empty_->isHidden() != !none) empty_->setVisible(none);
}

void UserMaterialsEditor::AskUntilKept(const QString& title, const UserMaterial& start,
                                       const std::function<bool(const UserMaterial&)>& keep) {
  // The same dialog opens again after a refusal, with the texts as typed.
  UserMaterialDialog dialog(title, start, holder_->window());
  while (dialog.exec() == QDialog::Accepted) {
    const UserMaterial material = dialog.Material();
    bool kept = false;
    forward_([&] { kept = keep(material); });
    if (kept) return;
  }
}

void UserMaterialsEditor::Add() {
  AskUntilKept(QCoreApplication::translate("UserMaterialsEditor", "Nuevo material propio"), UserMaterial{},
               [this](const UserMaterial& m) { return AddUserMaterial(app_, m); });
}

void UserMaterialsEditor::Edit() {
  const int row = ChosenRow();
  if (row < 0) return;
  AskUntilKept(QCoreApplication::translate("UserMaterialsEditor", "Modificar material propio"), app_.userMaterials[row],
               [this, row](const UserMaterial& m) { return ReplaceUserMaterial(app_, row, m); });
}

void UserMaterialsEditor::Delete() {
  const int row = ChosenRow();
  if (row < 0) return;
  QMessageBox box(QMessageBox::Question, QCoreApplication::translate("UserMaterialsEditor", "Eliminar material propio"),
                  QCoreApplication::translate("UserMaterialsEditor", "¿Quitar «%1» de sus materiales?")
                      .arg(app_.userMaterials[row].name),
                  QMessageBox::NoButton, holder_->window());
  box.setTextFormat(Qt::PlainText);
  QPushButton* remove =
      box.addButton(QCoreApplication::translate("UserMaterialsEditor", "Eliminar"), QMessageBox::AcceptRole);
  box.setDefaultButton(
      box.addButton(QCoreApplication::translate("UserMaterialsEditor", "Cancelar"), QMessageBox::RejectRole));
  box.exec();
  if (box.clickedButton() != remove) return;
  forward_([this, row] { DeleteUserMaterial(app_, row); });
}
