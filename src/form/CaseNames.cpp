// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/CaseNames.h"

#include <QCoreApplication>
#include <vector>

namespace {

// The names of a list are Spanish sources of the "CaseNames" translation; the
// one shown is put in the program's language when it is asked for.
using Names = std::vector<const char*>;

QString Row(const Names& names, int row) {
  if (row < 0 || row >= static_cast<int>(names.size())) return QString();
  return QCoreApplication::translate("CaseNames", names[static_cast<size_t>(row)]);
}

const Names& ConditionNames(ConditionList list) {
  static const char* const flowPerArea = QT_TRANSLATE_NOOP("CaseNames", "Flujo de calor (W/m2)");
  static const char* const flowPerMetre = QT_TRANSLATE_NOOP("CaseNames", "Flujo de calor (W/m)");
  static const char* const percentage = QT_TRANSLATE_NOOP("CaseNames", "Pérdida calor con aislamiento (%)");
  static const char* const linearResistance = QT_TRANSLATE_NOOP("CaseNames", "Resistencia térmica lineal (mºC/W)");
  static const char* const economic = QT_TRANSLATE_NOOP("CaseNames", "Espesor económico");
  static const char* const exteriorSurface = QT_TRANSLATE_NOOP("CaseNames", "Temperatura superficial exterior (ºC)");
  static const char* const exteriorCondensation = QT_TRANSLATE_NOOP("CaseNames", "Evitar condensaciones exteriores");
  static const Names plate = {flowPerArea,
                              percentage,
                              QT_TRANSLATE_NOOP("CaseNames", "Coef. global de trans. calor (W/m2ºC)"),
                              economic,
                              exteriorSurface,
                              exteriorCondensation,
                              QT_TRANSLATE_NOOP("CaseNames", "Temperatura superficial interior (ºC)"),
                              QT_TRANSLATE_NOOP("CaseNames", "Evitar condensaciones interiores")};
  static const Names pipeInAir = {flowPerMetre,
                                  percentage,
                                  linearResistance,
                                  economic,
                                  exteriorSurface,
                                  exteriorCondensation,
                                  QT_TRANSLATE_NOOP("CaseNames", "Temp. final agua"),
                                  QT_TRANSLATE_NOOP("CaseNames", "Tiempo congelación (h)")};
  static const Names buriedPipe = {flowPerMetre, percentage, linearResistance, economic};
  static const Names sphere = {QT_TRANSLATE_NOOP("CaseNames", "Flujo de calor (W)"),
                               percentage,
                               QT_TRANSLATE_NOOP("CaseNames", "Resistencia térmica (ºC/W)"),
                               economic,
                               exteriorSurface,
                               exteriorCondensation};
  static const Names duct = {flowPerMetre,
                             percentage,
                             linearResistance,
                             economic,
                             exteriorSurface,
                             exteriorCondensation,
                             QT_TRANSLATE_NOOP("CaseNames", "Variación temperatura (ºC)")};
  static const Names tank = {flowPerMetre, percentage, economic};
  switch (list) {
    case ConditionList::Plate: return plate;
    case ConditionList::PipeInAir: return pipeInAir;
    case ConditionList::BuriedPipe: return buriedPipe;
    case ConditionList::Sphere: return sphere;
    case ConditionList::Duct: return duct;
    case ConditionList::Tank: return tank;
  }
  return plate;
}

}  // namespace

QString KindName(GeometryKind kind) {
  switch (kind) {
    case GeometryKind::Plate: return QCoreApplication::translate("CaseNames", "Placa plana");
    case GeometryKind::Pipe: return QCoreApplication::translate("CaseNames", "Tubería");
    case GeometryKind::Sphere: return QCoreApplication::translate("CaseNames", "Esfera");
    case GeometryKind::Special: return QCoreApplication::translate("CaseNames", "Conducto o depósito");
  }
  return QString();
}

QString VariantName(const Case& c) {
  static const Names plate = {QT_TRANSLATE_NOOP("CaseNames", "Vertical"),
                              QT_TRANSLATE_NOOP("CaseNames", "Horizontal interior arriba"),
                              QT_TRANSLATE_NOOP("CaseNames", "Horizontal interior abajo")};
  static const Names pipe = {
      QT_TRANSLATE_NOOP("CaseNames", "Al aire vertical"), QT_TRANSLATE_NOOP("CaseNames", "Al aire horizontal"),
      QT_TRANSLATE_NOOP("CaseNames", "Enterrada sin caja"), QT_TRANSLATE_NOOP("CaseNames", "Enterrada con caja")};
  static const Names special = {QT_TRANSLATE_NOOP("CaseNames", "Conductos aire"),
                                QT_TRANSLATE_NOOP("CaseNames", "Depósito vertical"),
                                QT_TRANSLATE_NOOP("CaseNames", "Depósito horizontal")};
  switch (c.kind) {
    case GeometryKind::Plate: return Row(plate, c.plateOrientation);
    case GeometryKind::Pipe: return Row(pipe, c.pipePlacing);
    case GeometryKind::Sphere: return QString();
    case GeometryKind::Special: return Row(special, c.specialVariant);
  }
  return QString();
}

QString TargetName(const Case& c) {
  static const Names targets = {QT_TRANSLATE_NOOP("CaseNames", "Flujo de calor"),
                                QT_TRANSLATE_NOOP("CaseNames", "Espesor aislamiento")};
  return Row(targets, c.target);
}

QString ConditionName(const Case& c) {
  // A tank's thickness is not calculated: it has no condition in force.
  if (!c.ThicknessTarget() || c.IsTank()) return QString();
  return Row(ConditionNames(c.Conditions()), c.ConditionRow());
}
