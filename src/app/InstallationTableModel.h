// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class InstallationSession;
struct InstallationRow;

// The installation's table: one line per section, the typed columns edited in
// place and the figures of the row beside them. Editing a cell recalculates
// that row and the sums only, and tells the views of that row alone.
//
// A cell the row's element does not use (a duct's pipe size, a pipe's width)
// is empty and cannot be edited. A row the checks refuse keeps what was typed,
// shows its message as the tooltip of every cell, is marked on its reference
// and in its verdict, and has no figures.
class InstallationTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column {
    Reference,
    Element,
    PipeSize,
    Diameter,
    Width,
    Height,
    Quantity,
    FluidTemperature,
    SurroundingsTemperature,
    Placing,
    Material,
    Conductivity,
    Thickness,
    FirstResult,
    HeatFlowPerUnit = FirstResult,
    HeatFlow,
    SurfaceTemperature,
    Condensation,
    RiteInside,
    RiteOutside,
    Verdict,
    ColumnCount
  };
  enum Role {
    // The texts a cell's editor offers: a list to choose from (ChoicesOnlyRole
    // true) or to start from while typing (false). Empty for a plain text.
    ChoicesRole = Qt::UserRole + 1,
    ChoicesOnlyRole,
    // True on every cell of a refused row.
    RefusedRole,
  };

  explicit InstallationTableModel(InstallationSession& session, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // Whether the row's element uses the column.
  static bool Applies(const InstallationRow& row, int column);
  // The heading's text on one line, as the memorandum and the tooltips say it.
  static QString ColumnName(int column);

 private:
  QVariant Display(int row, int column) const;
  QVariant Edit(int row, int column) const;
  QStringList Choices(int column) const;

  InstallationSession& session_;
};
