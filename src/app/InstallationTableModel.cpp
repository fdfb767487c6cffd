// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationTableModel.h"

#include "app/Brenak.h"
#include "app/InstallationSession.h"
#include "data/ReferenceTables.h"
#include "form/NumberFormat.h"
#include "installation/RowCase.h"
#include "studies/ThicknessSweep.h"

#include <QColor>
#include <QCoreApplication>

namespace {

// Cells the row does not use, figures the program works out, a refused row and
// the cell its message is about.
const QColor kUnused(236, 236, 236);
const QColor kWorkedOut(228, 248, 248);
const QColor kRefusedRow(255, 230, 230);
const QColor kRefusedCell(255, 192, 192);
const QColor kMark(200, 40, 40);
const QColor kFails(170, 20, 20);
const QColor kMeets(20, 110, 40);

struct ColumnText {
  const char* heading;  // as the table's header shows it, on two lines
  const char* csv;      // the column of a pipe list a row's refusal names
};

constexpr ColumnText kColumns[InstallationTableModel::ColumnCount] = {
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Referencia"), "referencia"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Elemento"), "elemento"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Tubería\n(tablas)"), "diametro_mm"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Ø exterior\n(mm)"), "diametro_mm"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Ancho\n(mm)"), "ancho_mm"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Alto\n(mm)"), "alto_mm"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Cantidad\n(m, ud, m2)"), "longitud_m"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "T. fluido\n(ºC)"), "t_fluido"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "T. ambiente\n(ºC)"), "t_ambiente"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Ubicación"), "ubicacion"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Aislante"), "material"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "λ propia\n(W/mºC)"), "conductividad"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Espesor\n(mm)"), "espesor_mm"},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Flujo por\nunidad"), ""},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Flujo del\ntramo (W)"), ""},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "T. superficie\n(ºC)"), ""},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Condensa\n(margen ºC)"), ""},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Mín. RITE\ninterior (mm)"), ""},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "Mín. RITE\nexterior (mm)"), ""},
    {QT_TRANSLATE_NOOP("InstallationTableModel", "RITE"), ""},
};

QString F(double value, int digits) { return FormatFixed(static_cast<float>(value), 6, digits); }

QString Signed(double value, int digits) {
  const QString text = F(value, digits);
  return value > 0 ? QLatin1Char('+') + text : text;
}

bool IsNumberColumn(int column) {
  switch (column) {
    case InstallationTableModel::Diameter:
    case InstallationTableModel::Width:
    case InstallationTableModel::Height:
    case InstallationTableModel::Quantity:
    case InstallationTableModel::FluidTemperature:
    case InstallationTableModel::SurroundingsTemperature:
    case InstallationTableModel::Conductivity:
    case InstallationTableModel::Thickness: return true;
    default:
      return column >= InstallationTableModel::FirstResult && column != InstallationTableModel::Verdict &&
             column != InstallationTableModel::Condensation;
  }
}

QString* TextOf(InstallationRow& row, int column) {
  switch (column) {
    case InstallationTableModel::Reference: return &row.reference;
    case InstallationTableModel::PipeSize: return &row.pipeSize;
    case InstallationTableModel::Diameter: return &row.diameter;
    case InstallationTableModel::Width: return &row.width;
    case InstallationTableModel::Height: return &row.height;
    case InstallationTableModel::Quantity: return &row.length;
    case InstallationTableModel::FluidTemperature: return &row.fluidTemperature;
    case InstallationTableModel::SurroundingsTemperature: return &row.surroundingsTemperature;
    case InstallationTableModel::Material: return &row.material;
    case InstallationTableModel::Conductivity: return &row.conductivity;
    case InstallationTableModel::Thickness: return &row.thickness;
    default: return nullptr;
  }
}

const QString* TextOf(const InstallationRow& row, int column) {
  return TextOf(const_cast<InstallationRow&>(row), column);
}

}  // namespace

InstallationTableModel::InstallationTableModel(InstallationSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
  connect(&session_, &InstallationSession::aboutToReset, this, [this] { beginResetModel(); });
  connect(&session_, &InstallationSession::reset, this, [this] { endResetModel(); });
  connect(&session_, &InstallationSession::aboutToInsert, this,
          [this](int first, int last) { beginInsertRows({}, first, last); });
  connect(&session_, &InstallationSession::inserted, this, [this] { endInsertRows(); });
  connect(&session_, &InstallationSession::aboutToRemove, this,
          [this](int first, int last) { beginRemoveRows({}, first, last); });
  connect(&session_, &InstallationSession::removed, this, [this] { endRemoveRows(); });
  connect(&session_, &InstallationSession::rowChanged, this,
          [this](int row) { emit dataChanged(index(row, 0), index(row, ColumnCount - 1)); });
}

int InstallationTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : session_.RowCount();
}

int InstallationTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString InstallationTableModel::ColumnName(int column) {
  if (column < 0 || column >= ColumnCount) return {};
  return QCoreApplication::translate("InstallationTableModel", kColumns[column].heading)
      .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

bool InstallationTableModel::Applies(const InstallationRow& row, int column) {
  const SectionElement e = row.element;
  switch (column) {
    case PipeSize: return IsPipeElement(e);
    case Diameter:
      return (IsPipeElement(e) && row.pipeSize.trimmed().isEmpty()) || IsTankElement(e) || e == SectionElement::Sphere;
    case Width: return e == SectionElement::Duct;
    case Height: return e == SectionElement::Duct || IsTankElement(e);
    case Placing: return !IsBuriedElement(e);
    default: return true;
  }
}

QVariant InstallationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role == Qt::DisplayRole) return section + 1;
    return {};
  }
  if (section < 0 || section >= ColumnCount) return {};
  if (role == Qt::DisplayRole) return QCoreApplication::translate("InstallationTableModel", kColumns[section].heading);
  if (role == Qt::ToolTipRole && section == Thickness)
    return QCoreApplication::translate(
               "InstallationTableModel",
               "Un espesor en mm, o «%1»: el menor espesor comercial que cumple el RITE en el tramo")
        .arg(RiteMinimumText());
  if (role == Qt::ToolTipRole && section == PipeSize)
    return QCoreApplication::translate("InstallationTableModel",
                                       "Una tubería de las tablas del programa; sin ella, el diámetro exterior en mm");
  if (role == Qt::ToolTipRole && section == Conductivity)
    return QCoreApplication::translate("InstallationTableModel",
                                       "Una conductividad en W/mºC que sustituye a la del aislante elegido");
  return {};
}

Qt::ItemFlags InstallationTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const InstallationRow& row = session_.Document().rows[static_cast<size_t>(index.row())];
  if (index.column() < FirstResult && Applies(row, index.column())) flags |= Qt::ItemIsEditable;
  return flags;
}

QVariant InstallationTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) return {};
  const int r = index.row();
  const int column = index.column();
  const InstallationRow& row = session_.Document().rows[static_cast<size_t>(r)];
  const RowOutcome* outcome = static_cast<size_t>(r) < session_.Results().rows.size()
                                  ? &session_.Results().rows[static_cast<size_t>(r)]
                                  : nullptr;
  const bool refused = outcome && !outcome->Calculated();
  switch (role) {
    case Qt::DisplayRole: return Display(r, column);
    case Qt::EditRole: return Edit(r, column);
    case ChoicesRole: return Choices(column);
    case ChoicesOnlyRole: return column == Element || column == Placing;
    case RefusedRole: return refused;
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(IsNumberColumn(column) ? Qt::AlignRight | Qt::AlignVCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
      if (refused) return outcome->refusal->text;
      if (!Applies(row, column))
        return QCoreApplication::translate("InstallationTableModel", "%1 no tiene esta columna")
            .arg(SectionElementName(row.element));
      if (outcome && !outcome->messages.empty()) {
        QStringList texts;
        for (const Message& m : outcome->messages) texts << m.text;
        return texts.join(QLatin1Char('\n'));
      }
      return {};
    }
    case Qt::DecorationRole:
      // The mark of a refused row, at its start.
      if (refused && column == Reference) return kMark;
      return {};
    case Qt::BackgroundRole:
      if (refused) {
        const QString about = outcome->refusedColumn;
        const bool cell = column < FirstResult && !about.isEmpty() && about == QLatin1String(kColumns[column].csv) &&
                          Applies(row, column);
        return cell ? kRefusedCell : kRefusedRow;
      }
      if (column >= FirstResult) return kWorkedOut;
      if (!Applies(row, column)) return kUnused;
      return {};
    case Qt::ForegroundRole:
      if (column == Verdict && outcome && outcome->Calculated()) {
        if (outcome->verdict == RowRiteVerdict::Fails) return kFails;
        if (outcome->verdict == RowRiteVerdict::Meets) return kMeets;
      }
      if (column == Verdict && refused) return kFails;
      if (column == Thickness && outcome && outcome->noCommercialThickness) return kFails;
      if (column == Condensation && outcome && outcome->Calculated() && outcome->condenses) return kFails;
      return {};
    default: return {};
  }
}

QVariant InstallationTableModel::Edit(int r, int column) const {
  const InstallationRow& row = session_.Document().rows[static_cast<size_t>(r)];
  switch (column) {
    case Element: return static_cast<int>(row.element);
    case Placing: return static_cast<int>(EffectivePlacing(row));
    case Thickness: return row.riteMinimum ? RiteMinimumText() : row.thickness;
    default: {
      const QString* text = TextOf(row, column);
      return text ? QVariant(*text) : QVariant();
    }
  }
}

QVariant InstallationTableModel::Display(int r, int column) const {
  const InstallationRow& row = session_.Document().rows[static_cast<size_t>(r)];
  // A pipe of the tables has the tables' outside diameter, shown but not typed.
  if (column == Diameter && IsPipeElement(row.element))
    if (const PipeSizeEntry* size = FindPipeSize(row.pipeSize))
      return FormatFixed(size->interiorDiameter + 2 * size->wallThickness, 6, 1);
  if (!Applies(row, column) && column != Placing) return QString();
  const RowOutcome* o = static_cast<size_t>(r) < session_.Results().rows.size()
                            ? &session_.Results().rows[static_cast<size_t>(r)]
                            : nullptr;
  const bool calculated = o && o->Calculated();
  switch (column) {
    case Element: return SectionElementName(row.element);
    case Placing: return RitePlacingName(EffectivePlacing(row));
    case Quantity:
      // The unit follows a number; a text that is none stands as typed.
      if (!TryParseNumber(row.length)) return row.length;
      return row.length.trimmed() + QLatin1Char(' ') + SectionQuantityUnit(row.element);
    case Thickness:
      if (!row.riteMinimum) return row.thickness;
      if (calculated) return F(o->thickness, 0) + QCoreApplication::translate("InstallationTableModel", " (mín. RITE)");
      return RiteMinimumText();
    default: break;
  }
  if (column < FirstResult) return Edit(r, column);
  if (!calculated)
    return column == Verdict && o ? QCoreApplication::translate("InstallationTableModel", "Rechazada") : QString();
  const bool rite = o->rite.scope != RiteVerdict::Scope::NotApplicable;
  switch (column) {
    case HeatFlowPerUnit: return F(o->heatFlowPerUnit, 2) + QLatin1Char(' ') + o->unit;
    case HeatFlow: return F(o->heatFlow, 1);
    case SurfaceTemperature: return F(o->surfaceTemperature, 1);
    case Condensation:
      if (!o->condensationApplies) return QStringLiteral("—");
      return (o->condenses ? QCoreApplication::translate("InstallationTableModel", "Sí (")
                           : QCoreApplication::translate("InstallationTableModel", "No (")) +
             Signed(o->condensationMargin, 1) + QLatin1Char(')');
    case RiteInside: return rite && !o->rite.onlyOutside ? F(o->rite.insideMinimum, 1) : QString();
    case RiteOutside: return rite ? F(o->rite.outsideMinimum, 1) : QString();
    case Verdict: return RowRiteVerdictText(o->verdict);
    default: return {};
  }
}

QStringList InstallationTableModel::Choices(int column) const {
  QStringList choices;
  switch (column) {
    case Element:
      for (int e = 0; e < kSectionElementCount; ++e) choices << SectionElementName(static_cast<SectionElement>(e));
      break;
    case Placing:
      for (int p = 0; p < kRitePlacingCount; ++p) choices << RitePlacingName(static_cast<RitePlacing>(p));
      break;
    case PipeSize:
      choices << QString();  // none: the outside diameter is typed
      for (int family = 0; family < kPipeFamilies; ++family)
        for (const PipeSizeEntry& size : PipeSizes(family)) choices << size.layerName;
      break;
    case Material:
      for (const MaterialEntry& material : InsulatingMaterials()) choices << material.item;
      for (const UserMaterial& material : session_.Document().userMaterials) choices << material.name;
      for (const UserMaterial& material : session_.App().userMaterials) choices << material.name;
      choices.removeDuplicates();
      break;
    case Thickness:
      choices << RiteMinimumText();
      for (float t : CommercialThicknesses()) choices << FormatFixed(t, 5, 0);
      break;
    default: break;
  }
  return choices;
}

bool InstallationTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable)) return false;
  InstallationRow row = session_.Document().rows[static_cast<size_t>(index.row())];
  switch (index.column()) {
    case Element: {
      const int e = value.toInt();
      if (e < 0 || e >= kSectionElementCount) return false;
      const SectionElement element = static_cast<SectionElement>(e);
      // A pipe brought out of the ground is judged inside until told otherwise.
      if (IsBuriedElement(element))
        row.placing = RitePlacing::Buried;
      else if (row.placing == RitePlacing::Buried)
        row.placing = DefaultPlacing(element);
      row.element = element;
      break;
    }
    case Placing: {
      const int p = value.toInt();
      if (p < 0 || p >= kRitePlacingCount) return false;
      row.placing = static_cast<RitePlacing>(p);
      break;
    }
    case Thickness: {
      const QString text = value.toString().trimmed();
      row.riteMinimum = text.compare(RiteMinimumText(), Qt::CaseInsensitive) == 0 ||
                        text.compare(RiteMinimumKey(), Qt::CaseInsensitive) == 0;
      if (!row.riteMinimum) row.thickness = text;
      break;
    }
    default: {
      QString* text = TextOf(row, index.column());
      if (!text) return false;
      *text = value.toString().trimmed();
      break;
    }
  }
  session_.SetRow(index.row(), row);
  return true;
}
