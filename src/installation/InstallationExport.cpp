// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/InstallationExport.h"

#include "form/NumberFormat.h"
#include "installation/RowCase.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <cmath>

namespace {

QString F(double value, int digits) { return FormatFixed(value, 9, digits); }

// Why the installation has no verdict: sections left out of the totals, or none.
QString UnjudgedText(const InstallationTotals& t) {
  if (t.rowsCalculated == 0)
    return QCoreApplication::translate("InstallationExport", "Sin veredicto: no hay secciones calculadas");
  return QCoreApplication::translate("InstallationExport", "Sin veredicto: %1 %2 fuera de los totales")
      .arg(t.rowsLeftOut)
      .arg(t.rowsLeftOut == 1 ? QCoreApplication::translate("InstallationExport", "sección")
                              : QCoreApplication::translate("InstallationExport", "secciones"));
}

// A figure for the JSON, to the digits the tables show.
double Rounded(double value, int digits) {
  const double scale = std::pow(10.0, digits);
  return std::round(value * scale) / scale;
}

QChar CsvSeparator() { return DecimalSeparator() == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(','); }

QString Quoted(const QString& cell, QChar separator) {
  if (!cell.contains(separator) && !cell.contains(QLatin1Char('"')) && !cell.contains(QLatin1Char('\n'))) return cell;
  QString quoted = cell;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString CsvLine(const QStringList& cells, QChar separator) {
  QStringList quoted;
  for (const QString& cell : cells) quoted << Quoted(cell, separator);
  return quoted.join(separator);
}

QString Joined(const std::vector<Message>& messages) {
  QStringList texts;
  for (const Message& m : messages) texts << m.text;
  return texts.join(QStringLiteral(" | "));
}

// The row's size as the table writes it.
QString SizeText(const InstallationRow& row) {
  const QString times = QString::fromUtf8(" × ");
  switch (row.element) {
    case SectionElement::Duct: return row.width.trimmed() + times + row.height.trimmed() + QStringLiteral(" mm");
    case SectionElement::TankVertical:
    case SectionElement::TankHorizontal:
      return QString::fromUtf8("Ø ") + row.diameter.trimmed() + times + row.height.trimmed() + QStringLiteral(" mm");
    case SectionElement::Sphere: return QString::fromUtf8("Ø ") + row.diameter.trimmed() + QStringLiteral(" mm");
    case SectionElement::Plate: return QString();
    default: return PipeSizeLabel(row);
  }
}

QString InsulationText(const InstallationRow& row) {
  QString text = row.material.trimmed();
  if (!row.conductivity.trimmed().isEmpty())
    text +=
        (text.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("(λ %1)").arg(row.conductivity.trimmed());
  return text;
}

}  // namespace

QStringList RowResultHeader() {
  return {QCoreApplication::translate("InstallationExport", "Referencia"),
          QCoreApplication::translate("InstallationExport", "Elemento"),
          QCoreApplication::translate("InstallationExport", "Medida"),
          QCoreApplication::translate("InstallationExport", "Cantidad"),
          QCoreApplication::translate("InstallationExport", "Unidad"),
          QCoreApplication::translate("InstallationExport", "T. fluido (ºC)"),
          QCoreApplication::translate("InstallationExport", "T. ambiente (ºC)"),
          QCoreApplication::translate("InstallationExport", "Ubicación"),
          QCoreApplication::translate("InstallationExport", "Aislante"),
          QCoreApplication::translate("InstallationExport", "Espesor (mm)"),
          QCoreApplication::translate("InstallationExport", "Flujo por unidad"),
          QCoreApplication::translate("InstallationExport", "Flujo de la sección (W)"),
          QCoreApplication::translate("InstallationExport", "T. superficie (ºC)"),
          QCoreApplication::translate("InstallationExport", "Condensa"),
          QCoreApplication::translate("InstallationExport", "Margen al rocío (ºC)"),
          QCoreApplication::translate("InstallationExport", "Mínimo RITE interior (mm)"),
          QCoreApplication::translate("InstallationExport", "Mínimo RITE exterior (mm)"),
          QStringLiteral("RITE"),
          QCoreApplication::translate("InstallationExport", "Mensajes")};
}

QStringList RowResultCells(const InstallationRow& row, const RowOutcome& o) {
  QStringList cells{row.reference,
                    SectionElementName(row.element),
                    SizeText(row),
                    row.length.trimmed(),
                    SectionQuantityUnit(row.element),
                    row.fluidTemperature.trimmed(),
                    row.surroundingsTemperature.trimmed(),
                    RitePlacingName(EffectivePlacing(row)),
                    InsulationText(row)};
  if (!o.Calculated()) {
    cells << (row.riteMinimum ? RiteMinimumText() : row.thickness.trimmed());
    for (int i = 0; i < 8; ++i) cells << QString();
    cells << o.refusal->text;
    return cells;
  }
  const bool rite = o.rite.scope != RiteVerdict::Scope::NotApplicable;
  cells << (o.thicknessFromRite ? F(o.thickness, 0) + QStringLiteral(" (") + RiteMinimumText() + QLatin1Char(')')
                                : F(o.thickness, 1))
        << F(o.heatFlowPerUnit, 2) + QLatin1Char(' ') + o.unit << F(o.heatFlow, 1) << F(o.surfaceTemperature, 2)
        << (o.condensationApplies ? (o.condenses ? QCoreApplication::translate("InstallationExport", "Sí")
                                                 : QCoreApplication::translate("InstallationExport", "No"))
                                  : QString())
        << (o.condensationApplies ? F(o.condensationMargin, 2) : QString())
        << (rite && !o.rite.onlyOutside ? F(o.rite.insideMinimum, 1) : QString())
        << (rite ? F(o.rite.outsideMinimum, 1) : QString()) << RowRiteVerdictText(o.verdict) << Joined(o.messages);
  return cells;
}

QString RowsAsCsv(const InstallationDocument& doc, const InstallationResults& results) {
  const QChar separator = CsvSeparator();
  QStringList lines{CsvLine(RowResultHeader(), separator)};
  for (size_t i = 0; i < doc.rows.size() && i < results.rows.size(); ++i)
    lines << CsvLine(RowResultCells(doc.rows[i], results.rows[i]), separator);
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

namespace {

QStringList BillHeader() {
  return {QCoreApplication::translate("InstallationExport", "Material"),
          QCoreApplication::translate("InstallationExport", "Espesor (mm)"),
          QCoreApplication::translate("InstallationExport", "Medida"),
          QCoreApplication::translate("InstallationExport", "Cantidad"),
          QCoreApplication::translate("InstallationExport", "Unidad"),
          QCoreApplication::translate("InstallationExport", "Secciones")};
}

std::vector<QStringList> BillRows(const BillOfMaterials& bill) {
  std::vector<QStringList> rows;
  for (const BillLine& l : bill.lines)
    rows.push_back({l.material, F(l.thickness, 1), l.size, F(l.quantity, 2), l.unit, QString::number(l.sections)});
  for (const BillMaterialTotal& t : bill.totals) {
    if (t.metres > 0)
      rows.push_back({t.material, QCoreApplication::translate("InstallationExport", "Total"), QString(), F(t.metres, 2),
                      QStringLiteral("m"), QString()});
    if (t.squareMetres > 0)
      rows.push_back({t.material, QCoreApplication::translate("InstallationExport", "Total"), QString(),
                      F(t.squareMetres, 2), QStringLiteral("m2"), QString()});
  }
  return rows;
}

}  // namespace

QString BillAsCsv(const BillOfMaterials& bill) {
  const QChar separator = CsvSeparator();
  QStringList lines{CsvLine(BillHeader(), separator)};
  for (const QStringList& row : BillRows(bill)) lines << CsvLine(row, separator);
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString BillAsText(const BillOfMaterials& bill) {
  QStringList lines{BillHeader().join(QLatin1Char('\t'))};
  for (const QStringList& row : BillRows(bill)) lines << row.join(QLatin1Char('\t'));
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList TotalsLines(const InstallationTotals& t) {
  const RiteProcedures& rite = t.rite;
  QStringList lines;
  lines << QCoreApplication::translate("InstallationExport", "Secciones calculadas: %1").arg(t.rowsCalculated);
  if (t.rowsLeftOut > 0)
    lines << QCoreApplication::translate("InstallationExport", "Secciones fuera de los totales: %1").arg(t.rowsLeftOut);
  lines << QCoreApplication::translate("InstallationExport", "Pérdidas de calor: %1 W (sin aislar %2 W)")
               .arg(F(t.heatFlowW, 0), F(t.bareHeatFlowW, 0))
        << QCoreApplication::translate("InstallationExport",
                                       "Energía al año: %1 kWh (sin aislar %2 kWh; ahorro %3 kWh)")
               .arg(F(t.energyKwhYear, 0), F(t.bareEnergyKwhYear, 0), F(t.savedEnergyKwhYear, 0))
        << QCoreApplication::translate("InstallationExport",
                                       "Coste al año: %1 euros (sin aislar %2 euros; ahorro %3 euros)")
               .arg(F(t.costEurosYear, 2), F(t.bareCostEurosYear, 2), F(t.savedCostEurosYear, 2))
        << QCoreApplication::translate("InstallationExport", "CO2 al año: %1 kg (sin aislar %2 kg; ahorro %3 kg)")
               .arg(F(t.co2KgYear, 0), F(t.bareCo2KgYear, 0), F(t.savedCo2KgYear, 0));
  lines << QCoreApplication::translate("InstallationExport", "RITE, procedimiento simplificado: %1")
               .arg(rite.simplifiedMeets
                        ? QCoreApplication::translate("InstallationExport", "cumple")
                        : QCoreApplication::translate("InstallationExport", "no cumple (%1 secciones bajo el mínimo)")
                              .arg(rite.belowMinimum.size()));
  if (rite.powerGiven)
    lines << QCoreApplication::translate(
                 "InstallationExport",
                 "RITE, procedimiento alternativo: pérdidas de las tuberías %1 W, %2 % de %3 kW: %4")
                 .arg(F(rite.pipeLossW, 0), F(rite.lossPercent, 2), F(rite.powerKw, 1),
                      rite.alternativeMeets ? QCoreApplication::translate("InstallationExport", "cumple")
                                            : QCoreApplication::translate("InstallationExport", "no cumple"));
  else
    lines << QCoreApplication::translate("InstallationExport",
                                         "RITE, procedimiento alternativo: falta la potencia máxima de la instalación");
  if (rite.judged)
    lines << QCoreApplication::translate("InstallationExport", "Procedimiento que rige: %1. La instalación %2 el RITE")
                 .arg(RiteProcedureName(rite.governing),
                      rite.meets ? QCoreApplication::translate("InstallationExport", "cumple")
                                 : QCoreApplication::translate("InstallationExport", "no cumple"));
  else
    lines << QCoreApplication::translate("InstallationExport", "Procedimiento que rige: %1. %2")
                 .arg(RiteProcedureName(rite.governing), UnjudgedText(t));
  return lines;
}

QString TotalsAsCsv(const InstallationTotals& t) {
  const RiteProcedures& rite = t.rite;
  auto verdict = [](bool meets) {
    return meets ? QCoreApplication::translate("InstallationExport", "Cumple")
                 : QCoreApplication::translate("InstallationExport", "No cumple");
  };
  QList<QStringList> rows{
      {QCoreApplication::translate("InstallationExport", "Total"),
       QCoreApplication::translate("InstallationExport", "Valor")},
      {QCoreApplication::translate("InstallationExport", "Secciones calculadas"), QString::number(t.rowsCalculated)},
      {QCoreApplication::translate("InstallationExport", "Secciones fuera de los totales"),
       QString::number(t.rowsLeftOut)},
      {QCoreApplication::translate("InstallationExport", "Pérdidas de calor (W)"), F(t.heatFlowW, 1)},
      {QCoreApplication::translate("InstallationExport", "Energía al año (kWh)"), F(t.energyKwhYear, 1)},
      {QCoreApplication::translate("InstallationExport", "Coste al año (euros)"), F(t.costEurosYear, 2)},
      {QCoreApplication::translate("InstallationExport", "CO2 al año (kg)"), F(t.co2KgYear, 1)},
      {QCoreApplication::translate("InstallationExport", "Pérdidas sin aislar (W)"), F(t.bareHeatFlowW, 1)},
      {QCoreApplication::translate("InstallationExport", "Energía sin aislar al año (kWh)"), F(t.bareEnergyKwhYear, 1)},
      {QCoreApplication::translate("InstallationExport", "Coste sin aislar al año (euros)"), F(t.bareCostEurosYear, 2)},
      {QCoreApplication::translate("InstallationExport", "CO2 sin aislar al año (kg)"), F(t.bareCo2KgYear, 1)},
      {QCoreApplication::translate("InstallationExport", "Ahorro de energía al año (kWh)"), F(t.savedEnergyKwhYear, 1)},
      {QCoreApplication::translate("InstallationExport", "Ahorro al año (euros)"), F(t.savedCostEurosYear, 2)},
      {QCoreApplication::translate("InstallationExport", "CO2 evitado al año (kg)"), F(t.savedCo2KgYear, 1)},
      {QCoreApplication::translate("InstallationExport", "RITE, procedimiento simplificado"),
       verdict(rite.simplifiedMeets)},
      {QCoreApplication::translate("InstallationExport", "Potencia máxima (kW)"),
       rite.powerGiven ? F(rite.powerKw, 1) : QString()},
      {QCoreApplication::translate("InstallationExport", "Pérdidas de las tuberías (W)"), F(rite.pipeLossW, 1)},
      {QCoreApplication::translate("InstallationExport", "Pérdidas de las tuberías (% de la potencia)"),
       rite.powerGiven ? F(rite.lossPercent, 2) : QString()},
      {QCoreApplication::translate("InstallationExport", "RITE, procedimiento alternativo"),
       rite.powerGiven ? verdict(rite.alternativeMeets) : QString()},
      {QCoreApplication::translate("InstallationExport", "Procedimiento que rige"), RiteProcedureName(rite.governing)},
      {QCoreApplication::translate("InstallationExport", "RITE, la instalación"),
       rite.judged ? verdict(rite.meets) : UnjudgedText(t)}};
  const QChar separator = CsvSeparator();
  QStringList lines;
  for (const QStringList& row : rows) lines << CsvLine(row, separator);
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QJsonObject InstallationAsJson(const InstallationDocument& doc, const InstallationResults& results,
                               const std::vector<CsvLineProblem>& csvProblems) {
  QJsonArray rows, refused;
  for (const CsvLineProblem& p : csvProblems)
    refused.append(QJsonObject{{QStringLiteral("line"), p.line}, {QStringLiteral("message"), p.reason}});
  for (size_t i = 0; i < doc.rows.size() && i < results.rows.size(); ++i) {
    const InstallationRow& row = doc.rows[i];
    const RowOutcome& o = results.rows[i];
    QJsonObject object;
    object.insert(QStringLiteral("row"), static_cast<int>(i + 1));
    object.insert(QStringLiteral("reference"), row.reference);
    object.insert(QStringLiteral("element"), SectionElementKey(row.element));
    object.insert(QStringLiteral("length_m"), Rounded(o.quantity, 3));
    QJsonArray messages;
    if (o.refusal) messages.append(o.refusal->text);
    for (const Message& m : o.messages) messages.append(m.text);
    const bool calculated = o.Calculated();
    const bool rite = calculated && o.rite.scope != RiteVerdict::Scope::NotApplicable;
    auto figure = [calculated](double value, int digits) {
      return calculated ? QJsonValue(Rounded(value, digits)) : QJsonValue(QJsonValue::Null);
    };
    object.insert(QStringLiteral("heat_flow_per_unit"), figure(o.heatFlowPerUnit, 3));
    object.insert(QStringLiteral("unit"), o.unit);
    object.insert(QStringLiteral("heat_flow_w"), figure(o.heatFlow, 2));
    object.insert(QStringLiteral("surface_temperature"), figure(o.surfaceTemperature, 2));
    object.insert(QStringLiteral("condenses"),
                  calculated && o.condensationApplies ? QJsonValue(o.condenses) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("rite_minimum_inside_mm"), rite && !o.rite.onlyOutside
                                                                ? QJsonValue(Rounded(o.rite.insideMinimum, 1))
                                                                : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("rite_minimum_outside_mm"),
                  rite ? QJsonValue(Rounded(o.rite.outsideMinimum, 1)) : QJsonValue(QJsonValue::Null));
    object.insert(QStringLiteral("rite_verdict"),
                  calculated ? RowRiteVerdictKey(o.verdict) : QStringLiteral("rechazada"));
    object.insert(QStringLiteral("thickness_mm"), figure(o.thickness, 1));
    object.insert(QStringLiteral("messages"), messages);
    rows.append(object);
    if (!calculated)
      refused.append(QJsonObject{{QStringLiteral("row"), static_cast<int>(i + 1)},
                                 {QStringLiteral("reference"), row.reference},
                                 {QStringLiteral("message"), o.refusal->text}});
  }

  const InstallationTotals& t = results.totals;
  QJsonObject totals{{QStringLiteral("heat_flow_w"), Rounded(t.heatFlowW, 2)},
                     {QStringLiteral("bare_heat_flow_w"), Rounded(t.bareHeatFlowW, 2)},
                     {QStringLiteral("energy_kwh_year"), Rounded(t.energyKwhYear, 2)},
                     {QStringLiteral("cost_euros_year"), Rounded(t.costEurosYear, 2)},
                     {QStringLiteral("co2_kg_year"), Rounded(t.co2KgYear, 2)},
                     {QStringLiteral("rows_left_out"), t.rowsLeftOut}};
  const RiteProcedures& rite = t.rite;
  QJsonObject alternative{
      {QStringLiteral("power_kw"), rite.powerGiven ? QJsonValue(rite.powerKw) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("loss_percent"),
       rite.powerGiven ? QJsonValue(Rounded(rite.lossPercent, 3)) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("meets"), rite.powerGiven ? QJsonValue(rite.alternativeMeets) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("governs"), rite.governing == RiteProcedure::Alternative}};
  QJsonArray below;
  for (int index : rite.belowMinimum) below.append(index + 1);
  QJsonObject simplified{{QStringLiteral("meets"), rite.simplifiedMeets},
                         {QStringLiteral("rows_below_minimum"), below}};

  QJsonArray bill;
  for (const BillLine& l : results.bill.lines)
    bill.append(QJsonObject{{QStringLiteral("material"), l.material},
                            {QStringLiteral("thickness_mm"), Rounded(l.thickness, 1)},
                            {QStringLiteral("size"), l.size},
                            {QStringLiteral("quantity"), Rounded(l.quantity, 3)},
                            {QStringLiteral("unit"), l.unit}});

  return QJsonObject{
      {QStringLiteral("rows"), rows},
      {QStringLiteral("refused"), refused},
      {QStringLiteral("totals"), totals},
      {QStringLiteral("rite_simplified"), simplified},
      {QStringLiteral("rite_alternative"), alternative},
      {QStringLiteral("rite_meets"), rite.judged ? QJsonValue(rite.meets) : QJsonValue(QJsonValue::Null)},
      {QStringLiteral("bill_of_materials"), bill}};
}
