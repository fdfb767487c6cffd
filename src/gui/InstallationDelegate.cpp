// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/InstallationDelegate.h"

#include "app/InstallationTableModel.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

QWidget* InstallationDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                            const QModelIndex& index) const {
  const QStringList choices = index.data(InstallationTableModel::ChoicesRole).toStringList();
  if (choices.isEmpty()) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QStringLiteral("InstallationCellList"));
  const bool only = index.data(InstallationTableModel::ChoicesOnlyRole).toBool();
  combo->setEditable(!only);
  combo->addItems(choices);
  combo->setMaxVisibleItems(20);
  if (only) {
    // A choice from the list is the whole edit.
    connect(combo, &QComboBox::activated, this, [this, combo] {
      emit const_cast<InstallationDelegate*>(this)->commitData(combo);
      emit const_cast<InstallationDelegate*>(this)->closeEditor(combo, QAbstractItemDelegate::SubmitModelCache);
    });
  } else {
    // Typing finds an entry of the list anywhere in its name.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    combo->completer()->setFilterMode(Qt::MatchContains);
    combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  }
  return combo;
}

void InstallationDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* combo = qobject_cast<QComboBox*>(editor);
  if (!combo) return QStyledItemDelegate::setEditorData(editor, index);
  const QVariant value = index.data(Qt::EditRole);
  if (!combo->isEditable()) {
    combo->setCurrentIndex(value.toInt());
    return;
  }
  const QString text = value.toString();
  const int at = combo->findText(text, Qt::MatchFixedString);
  if (at >= 0) combo->setCurrentIndex(at);
  combo->setEditText(text);
  combo->lineEdit()->selectAll();
}

void InstallationDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  auto* combo = qobject_cast<QComboBox*>(editor);
  if (!combo) return QStyledItemDelegate::setModelData(editor, model, index);
  if (combo->isEditable())
    model->setData(index, combo->currentText(), Qt::EditRole);
  else
    model->setData(index, combo->currentIndex(), Qt::EditRole);
}
