// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/CaseNames.h"

#include <QStringList>

namespace {

QString Row(const QStringList& names, int row) { return row >= 0 && row < names.size() ? names.at(row) : QString(); }

const QStringList& ConditionNames(ConditionList list) {
  static const QString flowPerArea = QStringLiteral("Flujo de calor (W/m2)");
  static const QString flowPerMetre = QStringLiteral("Flujo de calor (W/m)");
  static const QString percentage = QStringLiteral("Pérdida calor con aislamiento (%)");
  static const QString linearResistance = QStringLiteral("Resistencia térmica lineal (mºC/W)");
  static const QString economic = QStringLiteral("Espesor económico");
  static const QString exteriorSurface = QStringLiteral("Temperatura superficial exterior (ºC)");
  static const QString exteriorCondensation = QStringLiteral("Evitar condensaciones exteriores");
  static const QStringList plate = {flowPerArea,
                                    percentage,
                                    QStringLiteral("Coef. global de trans. calor (W/m2ºC)"),
                                    economic,
                                    exteriorSurface,
                                    exteriorCondensation,
                                    QStringLiteral("Temperatura superficial interior (ºC)"),
                                    QStringLiteral("Evitar condensaciones interiores")};
  static const QStringList pipeInAir = {flowPerMetre,
                                        percentage,
                                        linearResistance,
                                        economic,
                                        exteriorSurface,
                                        exteriorCondensation,
                                        QStringLiteral("Temp. final agua"),
                                        QStringLiteral("Tiempo congelación (h)")};
  static const QStringList buriedPipe = {flowPerMetre, percentage, linearResistance, economic};
  static const QStringList sphere = {QStringLiteral("Flujo de calor (W)"),
                                     percentage,
                                     QStringLiteral("Resistencia térmica (ºC/W)"),
                                     economic,
                                     exteriorSurface,
                                     exteriorCondensation};
  static const QStringList duct = {flowPerMetre,
                                   percentage,
                                   linearResistance,
                                   economic,
                                   exteriorSurface,
                                   exteriorCondensation,
                                   QStringLiteral("Variación temperatura (ºC)")};
  static const QStringList tank = {flowPerMetre, percentage, economic};
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
    case GeometryKind::Plate: return QStringLiteral("Placa plana");
    case GeometryKind::Pipe: return QStringLiteral("Tubería");
    case GeometryKind::Sphere: return QStringLiteral("Esfera");
    case GeometryKind::Special: return QStringLiteral("Conducto o depósito");
  }
  return QString();
}

QString VariantName(const Case& c) {
  static const QStringList plate = {QStringLiteral("Vertical"), QStringLiteral("Horizontal interior arriba"),
                                    QStringLiteral("Horizontal interior abajo")};
  static const QStringList pipe = {QStringLiteral("Al aire vertical"), QStringLiteral("Al aire horizontal"),
                                   QStringLiteral("Enterrada sin caja"), QStringLiteral("Enterrada con caja")};
  static const QStringList special = {QStringLiteral("Conductos aire"), QStringLiteral("Depósito vertical"),
                                      QStringLiteral("Depósito horizontal")};
  switch (c.kind) {
    case GeometryKind::Plate: return Row(plate, c.plateOrientation);
    case GeometryKind::Pipe: return Row(pipe, c.pipePlacing);
    case GeometryKind::Sphere: return QString();
    case GeometryKind::Special: return Row(special, c.specialVariant);
  }
  return QString();
}

QString TargetName(const Case& c) {
  static const QStringList targets = {QStringLiteral("Flujo de calor"), QStringLiteral("Espesor aislamiento")};
  return Row(targets, c.target);
}

QString ConditionName(const Case& c) {
  // A tank's thickness is not calculated: it has no condition in force.
  if (!c.ThicknessTarget() || c.IsTank()) return QString();
  return Row(ConditionNames(c.Conditions()), c.ConditionRow());
}
