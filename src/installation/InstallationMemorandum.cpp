// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/InstallationMemorandum.h"

#include "form/NumberFormat.h"
#include "installation/InstallationExport.h"
#include "installation/RowCase.h"
#include "report/ReportFiles.h"
#include "report/ReportPictures.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <map>

namespace {

// The sizes of the memorandum's text, those of the single case's report.
constexpr float kTitleSize = 14;
constexpr float kHeadingSize = 12;
constexpr float kBodySize = 10;
// The tables of sections have many columns: a smaller letter.
constexpr float kSectionTableSize = 7.5f;

QString F(double value, int digits) { return FormatFixed(static_cast<float>(value), 9, digits); }

void Line(ReportDocument& doc, const QString& text) { doc.AppendText(text + QLatin1Char('\n')); }

void Heading(ReportDocument& doc, const QString& text) {
  Line(doc, QString());
  doc.SetFont({true, kHeadingSize});
  Line(doc, text);
  doc.SetFont({false, kBodySize});
}

QString Verdict(bool meets) {
  return meets ? QCoreApplication::translate("InstallationMemorandum", "cumple")
               : QCoreApplication::translate("InstallationMemorandum", "no cumple");
}

// "3 · Montante": the row's number in the table and its reference.
QString RowName(const InstallationDocument& doc, int index) {
  const QString reference = doc.rows[static_cast<size_t>(index)].reference.trimmed();
  return reference.isEmpty() ? QString::number(index + 1)
                             : QString::number(index + 1) + QStringLiteral(" · ") + reference;
}

QString SizeText(const InstallationRow& row) {
  const QString times = QString::fromUtf8(" × ");
  switch (row.element) {
    case SectionElement::Duct: return row.width.trimmed() + times + row.height.trimmed();
    case SectionElement::TankVertical:
    case SectionElement::TankHorizontal:
      return QString::fromUtf8("Ø ") + row.diameter.trimmed() + times + row.height.trimmed();
    case SectionElement::Sphere: return QString::fromUtf8("Ø ") + row.diameter.trimmed();
    case SectionElement::Plate: return QString();
    default: return PipeSizeLabel(row);
  }
}

ReportTable Ruled(std::vector<double> widths, std::vector<CellAlignment> alignments, float size) {
  ReportTable table;
  table.headerRows = 1;
  table.fontSize = size;
  table.widthsCm = std::move(widths);
  table.alignments = std::move(alignments);
  return table;
}

// A block of captions and values, without lines, indented as data.
ReportTable Captions(const std::vector<QStringList>& rows, double captionCm, double valueCm) {
  ReportTable table;
  table.ruled = false;
  table.fontSize = kBodySize;
  table.indentCm = 1.25;
  table.widthsCm = {captionCm, valueCm};
  table.alignments = {CellAlignment::Left, CellAlignment::Left};
  table.rows = rows;
  return table;
}

QString ModeText(int mode, const QString& coefficient) {
  switch (mode) {
    case 0:
      return QCoreApplication::translate("InstallationMemorandum", "impuesto, %1 W/m2ºC").arg(coefficient.trimmed());
    case 1:
      return QCoreApplication::translate("InstallationMemorandum", "despreciado (resistencia térmica despreciable)");
    default: return QCoreApplication::translate("InstallationMemorandum", "calculado");
  }
}

ReportTable HeadingBlock(const QString& path, const InstallationDocument& doc, const QDateTime& when) {
  ReportTable table;
  table.ruled = false;
  table.fontSize = 11;
  table.widthsCm = {3.4, 13.4};
  table.alignments = {CellAlignment::Left, CellAlignment::Left};
  table.rows = {{QCoreApplication::translate("InstallationMemorandum", "Instalación:"), MemorandumTitle(path)},
                {QCoreApplication::translate("InstallationMemorandum", "Documento:"),
                 path.isEmpty() ? QCoreApplication::translate("InstallationMemorandum", "sin guardar")
                                : QFileInfo(path).fileName()},
                {QCoreApplication::translate("InstallationMemorandum", "Tramos:"), QString::number(doc.rows.size())},
                {QCoreApplication::translate("InstallationMemorandum", "Fecha:"),
                 when.toString(QStringLiteral("dd/MM/yyyy HH:mm"))}};
  return table;
}

void InstallationData(ReportDocument& doc, const InstallationDocument& installation) {
  Heading(doc, QCoreApplication::translate("InstallationMemorandum", "Datos de la instalación"));
  const InstallationTotalsData& t = installation.totals;
  const QString power = t.maximumPower.trimmed().isEmpty()
                            ? QCoreApplication::translate("InstallationMemorandum", "no dada")
                            : t.maximumPower.trimmed() + QStringLiteral(" kW");
  doc.AppendTable(
      Captions({{QCoreApplication::translate("InstallationMemorandum", "Horas de funcionamiento al año"),
                 t.hoursPerYear.trimmed() + QStringLiteral(" h")},
                {QCoreApplication::translate("InstallationMemorandum", "Precio de la energía"),
                 t.energyPrice.trimmed() + QStringLiteral(" euros/kWh")},
                {QCoreApplication::translate("InstallationMemorandum", "Energía"), EnergySourceName(t.source)},
                {QCoreApplication::translate("InstallationMemorandum", "Factor de emisión"),
                 t.co2Factor.trimmed() + QStringLiteral(" kg CO2/kWh")},
                {QCoreApplication::translate("InstallationMemorandum", "Potencia máxima de la instalación"), power}},
               7.0, 7.0));

  // What every section takes from the template.
  const Case& c = installation.templateCase;
  Line(doc, QString());
  Line(doc, QCoreApplication::translate("InstallationMemorandum", "Lo que las filas no dicen lo da la plantilla «%1»:")
                .arg(c.reference.trimmed()));
  std::vector<QStringList> rows{
      {QCoreApplication::translate("InstallationMemorandum", "Coeficiente interior"),
       ModeText(c.interiorMode, c.interiorCoefficient)},
      {QCoreApplication::translate("InstallationMemorandum", "Coeficiente exterior"),
       ModeText(c.exteriorMode, c.exteriorCoefficient) +
           (c.exteriorMode == 2
                ? (c.surroundings == 1 ? QCoreApplication::translate("InstallationMemorandum", ", al ambiente exterior")
                                       : QCoreApplication::translate("InstallationMemorandum", ", en recinto cerrado"))
                : QString())},
      {QCoreApplication::translate("InstallationMemorandum", "Humedad relativa exterior"),
       c.exteriorHumidity.trimmed() + QStringLiteral(" %")}};
  if (c.exteriorMode == 2)
    rows.push_back(
        {QCoreApplication::translate("InstallationMemorandum", "Emisividad exterior"), c.exteriorEmissivity.trimmed()});
  QStringList others;
  const int insulation = TemplateInsulationLayer(c);
  for (int n = 1; n <= c.LayerCount(); ++n)
    if (n != insulation) others << c.layers[static_cast<size_t>(n - 1)].name.trimmed();
  if (!others.isEmpty())
    rows.push_back(
        {QCoreApplication::translate("InstallationMemorandum", "Otras capas"), others.join(QStringLiteral(", "))});
  doc.AppendTable(Captions(rows, 5.0, 9.0));
}

void SectionTables(ReportDocument& doc, const InstallationDocument& installation, const InstallationResults& results) {
  Heading(doc, QCoreApplication::translate("InstallationMemorandum", "Tramos"));
  using A = CellAlignment;
  ReportTable data =
      Ruled({0.8, 2.5, 2.2, 2.1, 1.6, 1.2, 1.2, 1.5, 2.6, 1.3},
            {A::Right, A::Left, A::Left, A::Left, A::Right, A::Right, A::Right, A::Left, A::Left, A::Right},
            kSectionTableSize);
  data.rows.push_back({QCoreApplication::translate("InstallationMemorandum", "Nº"),
                       QCoreApplication::translate("InstallationMemorandum", "Referencia"),
                       QCoreApplication::translate("InstallationMemorandum", "Elemento"),
                       QCoreApplication::translate("InstallationMemorandum", "Medida\n(mm)"),
                       QCoreApplication::translate("InstallationMemorandum", "Cantidad"),
                       QCoreApplication::translate("InstallationMemorandum", "T. fluido\n(ºC)"),
                       QCoreApplication::translate("InstallationMemorandum", "T. amb.\n(ºC)"),
                       QCoreApplication::translate("InstallationMemorandum", "Ubicación"),
                       QCoreApplication::translate("InstallationMemorandum", "Aislante"),
                       QCoreApplication::translate("InstallationMemorandum", "Espesor\n(mm)")});
  ReportTable figures = Ruled({0.8, 3.0, 2.2, 1.9, 1.6, 2.0, 1.6, 1.6, 2.3},
                              {A::Right, A::Left, A::Right, A::Right, A::Right, A::Right, A::Right, A::Right, A::Left},
                              kSectionTableSize);
  figures.rows.push_back({QCoreApplication::translate("InstallationMemorandum", "Nº"),
                          QCoreApplication::translate("InstallationMemorandum", "Referencia"),
                          QCoreApplication::translate("InstallationMemorandum", "Flujo por\nunidad"),
                          QCoreApplication::translate("InstallationMemorandum", "Flujo del\ntramo (W)"),
                          QCoreApplication::translate("InstallationMemorandum", "T. superf.\n(ºC)"),
                          QCoreApplication::translate("InstallationMemorandum", "Condensa\n(margen ºC)"),
                          QCoreApplication::translate("InstallationMemorandum", "Mín. RITE\nint. (mm)"),
                          QCoreApplication::translate("InstallationMemorandum", "Mín. RITE\next. (mm)"),
                          QCoreApplication::translate("InstallationMemorandum", "RITE")});
  std::vector<QStringList> refused;
  for (size_t i = 0; i < installation.rows.size() && i < results.rows.size(); ++i) {
    const InstallationRow& row = installation.rows[i];
    const RowOutcome& o = results.rows[i];
    const QString number = QString::number(i + 1);
    QString thickness = row.riteMinimum ? RiteMinimumText() : row.thickness.trimmed();
    if (o.Calculated())
      thickness = o.thicknessFromRite
                      ? F(o.thickness, 0) + QCoreApplication::translate("InstallationMemorandum", " (mín. RITE)")
                      : F(o.thickness, 1);
    QString insulation = row.material.trimmed();
    if (!row.conductivity.trimmed().isEmpty())
      insulation += QString::fromUtf8(" (λ ") + row.conductivity.trimmed() + QLatin1Char(')');
    data.rows.push_back({number, row.reference, SectionElementName(row.element), SizeText(row),
                         row.length.trimmed() + QLatin1Char(' ') + SectionQuantityUnit(row.element),
                         row.fluidTemperature.trimmed(), row.surroundingsTemperature.trimmed(),
                         RitePlacingName(EffectivePlacing(row)), insulation, thickness});
    if (!o.Calculated()) {
      figures.rows.push_back({number, row.reference, QString(), QString(), QString(), QString(), QString(), QString(),
                              QCoreApplication::translate("InstallationMemorandum", "Rechazado")});
      refused.push_back({number + QStringLiteral("."), o.refusal->text});
      continue;
    }
    const bool rite = o.rite.scope != RiteVerdict::Scope::NotApplicable;
    figures.rows.push_back({number, row.reference, F(o.heatFlowPerUnit, 2) + QLatin1Char(' ') + o.unit,
                            F(o.heatFlow, 1), F(o.surfaceTemperature, 1),
                            o.condensationApplies
                                ? (o.condenses ? QCoreApplication::translate("InstallationMemorandum", "sí (")
                                               : QCoreApplication::translate("InstallationMemorandum", "no (")) +
                                      F(o.condensationMargin, 1) + QLatin1Char(')')
                                : QStringLiteral("—"),
                            rite && !o.rite.onlyOutside ? F(o.rite.insideMinimum, 1) : QString(),
                            rite ? F(o.rite.outsideMinimum, 1) : QString(), RowRiteVerdictText(o.verdict)});
  }
  doc.AppendTable(data);
  Line(doc, QString());
  Line(doc,
       QCoreApplication::translate("InstallationMemorandum",
                                   "Resultados de cada tramo, con el espesor de aislamiento de la tabla anterior:"));
  doc.AppendTable(figures);
  if (!refused.empty()) {
    Line(doc, QString());
    Line(doc, QCoreApplication::translate("InstallationMemorandum",
                                          "Tramos rechazados por los datos, fuera de los totales:"));
    ReportTable list = Captions(refused, 1.0, 15.0);
    list.fontSize = 9;
    doc.AppendTable(list);
  }
}

void Procedure(ReportDocument& doc, const QString& name, const ProcedureTexts& texts) {
  doc.SetFont({true, kBodySize});
  Line(doc, name);
  doc.SetFont({false, kBodySize});
  Line(doc, QStringLiteral("\t") + texts.rule);
  Line(doc, QStringLiteral("\t") + texts.verdict);
  for (const QString& row : texts.belowMinimum) Line(doc, QStringLiteral("\t\t") + row);
}

}  // namespace

std::vector<QStringList> TotalsTable(const InstallationTotals& t) {
  return {{QString(), QCoreApplication::translate("InstallationMemorandum", "Con aislamiento"),
           QCoreApplication::translate("InstallationMemorandum", "Sin aislamiento"),
           QCoreApplication::translate("InstallationMemorandum", "Ahorro")},
          {QCoreApplication::translate("InstallationMemorandum", "Pérdidas de calor (W)"), F(t.heatFlowW, 0),
           F(t.bareHeatFlowW, 0), F(t.bareHeatFlowW - t.heatFlowW, 0)},
          {QCoreApplication::translate("InstallationMemorandum", "Energía al año (kWh)"), F(t.energyKwhYear, 0),
           F(t.bareEnergyKwhYear, 0), F(t.savedEnergyKwhYear, 0)},
          {QCoreApplication::translate("InstallationMemorandum", "Coste al año (euros)"), F(t.costEurosYear, 2),
           F(t.bareCostEurosYear, 2), F(t.savedCostEurosYear, 2)},
          {QCoreApplication::translate("InstallationMemorandum", "CO2 al año (kg)"), F(t.co2KgYear, 0),
           F(t.bareCo2KgYear, 0), F(t.savedCo2KgYear, 0)}};
}

QString RowsCountedLine(const InstallationTotals& t) {
  QString line =
      t.rowsCalculated == 1
          ? QCoreApplication::translate("InstallationMemorandum", "1 tramo calculado")
          : QCoreApplication::translate("InstallationMemorandum", "%1 tramos calculados").arg(t.rowsCalculated);
  if (t.rowsLeftOut == 1)
    line += QCoreApplication::translate("InstallationMemorandum", "; 1 rechazado, fuera de los totales");
  else if (t.rowsLeftOut > 1)
    line += QCoreApplication::translate("InstallationMemorandum", "; %1 rechazados, fuera de los totales")
                .arg(t.rowsLeftOut);
  return line;
}

ProcedureTexts SimplifiedProcedure(const InstallationDocument& doc, const InstallationResults& results) {
  const RiteProcedures& rite = results.totals.rite;
  ProcedureTexts texts;
  texts.rule = QCoreApplication::translate(
      "InstallationMemorandum",
      "IT 1.2.4.2.1.2: cada tramo lleva al menos el espesor mínimo de las tablas para su fluido, su diámetro "
      "y su ubicación.");
  texts.meets = rite.simplifiedMeets;
  if (rite.simplifiedMeets) {
    texts.verdict =
        QCoreApplication::translate("InstallationMemorandum", "Cumple: ningún tramo calculado queda bajo su mínimo.");
    return texts;
  }
  const size_t below = rite.belowMinimum.size();
  texts.verdict =
      below == 1 ? QCoreApplication::translate("InstallationMemorandum", "No cumple: 1 tramo queda bajo su mínimo.")
                 : QCoreApplication::translate("InstallationMemorandum", "No cumple: %1 tramos quedan bajo su mínimo.")
                       .arg(below);
  for (const int index : rite.belowMinimum) {
    if (index < 0 || static_cast<size_t>(index) >= results.rows.size() || static_cast<size_t>(index) >= doc.rows.size())
      continue;
    const RowOutcome& o = results.rows[static_cast<size_t>(index)];
    const RitePlacing placing = EffectivePlacing(doc.rows[static_cast<size_t>(index)]);
    texts.belowMinimum << QCoreApplication::translate("InstallationMemorandum", "%1: %2 mm, mínimo %3 mm")
                              .arg(RowName(doc, index), F(o.thickness, 1), F(o.RiteMinimum(placing), 1));
  }
  return texts;
}

ProcedureTexts AlternativeProcedure(const InstallationResults& results) {
  const RiteProcedures& rite = results.totals.rite;
  ProcedureTexts texts;
  texts.rule = QCoreApplication::translate(
      "InstallationMemorandum",
      "IT 1.2.4.2.1.3: las pérdidas de calor de todas las tuberías no superan el 4 % de la potencia máxima que "
      "transporta la instalación, y ningún espesor queda bajo el mínimo de las tablas.");
  if (!rite.powerGiven) {
    texts.verdict = QCoreApplication::translate("InstallationMemorandum",
                                                "Sin la potencia máxima de la instalación no se puede juzgar.");
    return texts;
  }
  texts.meets = rite.alternativeMeets;
  texts.verdict = QCoreApplication::translate("InstallationMemorandum",
                                              "Pérdidas de las tuberías: %1 W, el %2 % de %3 kW (%4 el 4 %)")
                      .arg(F(rite.pipeLossW, 0), F(rite.lossPercent, 2), F(rite.powerKw, 1),
                           rite.lossWithinShare ? QCoreApplication::translate("InstallationMemorandum", "no supera")
                                                : QCoreApplication::translate("InstallationMemorandum", "supera"));
  if (rite.lossWithinShare && !rite.simplifiedMeets)
    texts.verdict += QCoreApplication::translate("InstallationMemorandum",
                                                 ", pero hay tramos bajo el mínimo de las tablas: no cumple.");
  else
    texts.verdict += QStringLiteral(": ") + Verdict(rite.alternativeMeets) + QLatin1Char('.');
  return texts;
}

ProcedureTexts GoverningProcedure(const InstallationResults& results) {
  const RiteProcedures& rite = results.totals.rite;
  ProcedureTexts texts;
  texts.meets = rite.meets;
  if (!rite.powerGiven)
    texts.rule = QCoreApplication::translate(
        "InstallationMemorandum",
        "Sin potencia máxima dada, la instalación se juzga por el procedimiento simplificado.");
  else if (rite.governing == RiteProcedure::Alternative)
    texts.rule =
        QCoreApplication::translate("InstallationMemorandum",
                                    "Con %1 kW, más de 70 kW, la instalación ha de justificarse por el procedimiento "
                                    "alternativo.")
            .arg(F(rite.powerKw, 1));
  else
    texts.rule = QCoreApplication::translate("InstallationMemorandum",
                                             "Con %1 kW, hasta 70 kW, basta el procedimiento simplificado.")
                     .arg(F(rite.powerKw, 1));
  const InstallationTotals& t = results.totals;
  if (t.rowsLeftOut > 0 || t.rowsCalculated == 0) {
    texts.judged = false;
    texts.meets = false;
    texts.verdict = t.rowsCalculated == 0
                        ? QCoreApplication::translate("InstallationMemorandum",
                                                      "Sin veredicto: la instalación no tiene ningún tramo calculado.")
                    : t.rowsLeftOut == 1
                        ? QCoreApplication::translate(
                              "InstallationMemorandum",
                              "Sin veredicto: 1 tramo rechazado queda fuera, y podría ser el que no cumple.")
                        : QCoreApplication::translate(
                              "InstallationMemorandum",
                              "Sin veredicto: %1 tramos rechazados quedan fuera, y cualquiera podría ser el "
                              "que no cumple.")
                              .arg(t.rowsLeftOut);
    return texts;
  }
  texts.verdict =
      QCoreApplication::translate("InstallationMemorandum", "La instalación %1 el RITE por el procedimiento %2.")
          .arg(Verdict(rite.meets), rite.governing == RiteProcedure::Alternative
                                        ? QCoreApplication::translate("InstallationMemorandum", "alternativo")
                                        : QCoreApplication::translate("InstallationMemorandum", "simplificado"));
  return texts;
}

std::vector<QStringList> BillTable(const BillOfMaterials& bill) {
  std::vector<QStringList> rows{{QCoreApplication::translate("InstallationMemorandum", "Material"),
                                 QCoreApplication::translate("InstallationMemorandum", "Espesor (mm)"),
                                 QCoreApplication::translate("InstallationMemorandum", "Tubería o superficie"),
                                 QCoreApplication::translate("InstallationMemorandum", "Cantidad"),
                                 QCoreApplication::translate("InstallationMemorandum", "Unidad"),
                                 QCoreApplication::translate("InstallationMemorandum", "Tramos")}};
  const auto total = [&](const QString& material) {
    for (const BillMaterialTotal& t : bill.totals) {
      if (t.material != material) continue;
      QStringList parts;
      if (t.metres > 0) parts << F(t.metres, 1) + QStringLiteral(" m");
      if (t.squareMetres > 0) parts << F(t.squareMetres, 2) + QStringLiteral(" m2");
      rows.push_back({QCoreApplication::translate("InstallationMemorandum", "Total ") + material, QString(), QString(),
                      parts.join(QStringLiteral(" + ")), QString(), QString()});
    }
  };
  for (size_t i = 0; i < bill.lines.size(); ++i) {
    const BillLine& line = bill.lines[i];
    rows.push_back(
        {line.material, F(line.thickness, 0),
         line.size.isEmpty() ? QCoreApplication::translate("InstallationMemorandum", "Superficie aislada") : line.size,
         F(line.quantity, line.unit == QLatin1String("m") ? 1 : 2), line.unit, QString::number(line.sections)});
    if (i + 1 == bill.lines.size() || bill.lines[i + 1].material != line.material) total(line.material);
  }
  return rows;
}

std::vector<int> BillTotalRows(const BillOfMaterials& bill) {
  std::vector<int> totals;
  int next = 1;  // after the heading row
  for (size_t i = 0; i < bill.lines.size(); ++i) {
    ++next;
    if (i + 1 < bill.lines.size() && bill.lines[i + 1].material == bill.lines[i].material) continue;
    for (const BillMaterialTotal& t : bill.totals)
      if (t.material == bill.lines[i].material) totals.push_back(next++);
  }
  return totals;
}

QString MemorandumTitle(const QString& documentPath) {
  QString name = QFileInfo(documentPath).fileName();
  if (name.endsWith(QLatin1String(".brenak-instalacion.json"))) name.chop(24);
  return name.isEmpty() ? QCoreApplication::translate("InstallationMemorandum", "Instalación") : name;
}

void WriteInstallationMemorandum(const InstallationDocument& installation, const InstallationResults& results,
                                 const QString& documentPath, ReportDocument& doc, ReportPictures& pictures,
                                 const QDateTime& when) {
  doc.SetDocumentTitle(QCoreApplication::translate("InstallationMemorandum", "Memoria de aislamiento: ") +
                       MemorandumTitle(documentPath));
  doc.AppendPicture(PrintedWithin(pictures.Banner(), 14.0, 3.0));
  Line(doc, QString());
  doc.AppendTable(HeadingBlock(documentPath, installation, when));
  Line(doc, QString());
  doc.SetFont({true, kTitleSize});
  Line(doc, QCoreApplication::translate("InstallationMemorandum",
                                        "Memoria técnica del aislamiento térmico de la instalación"));
  doc.SetFont({false, 11});
  Line(doc, QCoreApplication::translate(
                "InstallationMemorandum",
                "Cada tramo se calcula como un caso completo: el flujo de calor con el espesor de aislamiento "
                "indicado, frente al mínimo del RITE (IT 1.2.4.2.1) para su ubicación."));

  InstallationData(doc, installation);
  SectionTables(doc, installation, results);

  Heading(doc, QCoreApplication::translate("InstallationMemorandum", "Totales de la instalación"));
  ReportTable totals =
      Ruled({5.0, 3.2, 3.2, 3.2},
            {CellAlignment::Left, CellAlignment::Right, CellAlignment::Right, CellAlignment::Right}, kBodySize);
  totals.indentCm = 1.25;
  totals.rows = TotalsTable(results.totals);
  doc.AppendTable(totals);
  Line(doc, QStringLiteral("\t") + RowsCountedLine(results.totals) + QLatin1Char('.'));

  Heading(doc, QCoreApplication::translate("InstallationMemorandum", "Procedimientos del RITE"));
  Procedure(doc, QCoreApplication::translate("InstallationMemorandum", "Procedimiento simplificado"),
            SimplifiedProcedure(installation, results));
  Procedure(doc, QCoreApplication::translate("InstallationMemorandum", "Procedimiento alternativo"),
            AlternativeProcedure(results));
  const ProcedureTexts governing = GoverningProcedure(results);
  Line(doc, QString());
  Line(doc, governing.rule);
  doc.SetFont({true, 11});
  Line(doc, governing.verdict);
  doc.SetFont({false, kBodySize});

  Heading(doc, QCoreApplication::translate("InstallationMemorandum", "Medición de aislamiento"));
  ReportTable bill = Ruled({4.2, 2.0, 4.0, 3.0, 1.4, 1.4},
                           {CellAlignment::Left, CellAlignment::Right, CellAlignment::Left, CellAlignment::Right,
                            CellAlignment::Left, CellAlignment::Right},
                           9);
  bill.rows = BillTable(results.bill);
  if (bill.rows.size() > 1)
    doc.AppendTable(bill);
  else
    Line(doc, QCoreApplication::translate("InstallationMemorandum", "\tNingún tramo calculado lleva aislamiento."));
}
