// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// The editors of the installation's table: a list to choose from for the
// element and the placing, a list to start from while typing for the pipe
// size, the material and the thickness ("mínimo RITE" or a commercial one),
// a plain field for the rest. The model says which (InstallationTableModel's
// ChoicesRole and ChoicesOnlyRole).
class InstallationDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};
