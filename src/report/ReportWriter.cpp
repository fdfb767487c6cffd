// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportWriter.h"

#include "checking/ShownFields.h"
#include "form/CaseOpening.h"

#include "form/CaseFields.h"
#include "form/NumberFormat.h"
#include "report/InterfaceTemperatures.h"
#include "report/ReportDocument.h"
#include "report/ReportFiles.h"
#include "report/ReportPictures.h"
#include "results/ResultLines.h"
#include "results/TemperatureChart.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace {

// The report's texts, in the language of the interface.
class ReportWriter {
  Q_DECLARE_TR_FUNCTIONS(ReportWriter)
};

// The sizes of the report's text: the title, the section headings, the body.
constexpr float kTitleSize = 14;
constexpr float kHeadingSize = 12;
constexpr float kBodySize = 10;

// A tab stop is 1.25 cm: one tab indents a line of data, two the data a
// calculated coefficient was worked out from.
const QString kIndent = QStringLiteral("\t");
const QString kDeepIndent = QStringLiteral("\t\t");

// A paragraph of its own.
void Line(ReportDocument& doc, const QString& text) { doc.AppendText(text + QLatin1Char('\n')); }

// The convection and radiation coefficients the calculation worked out, as
// the window writes them; empty where it worked out none.
QString WorkedOutCoefficient(const ReportCase& r, const QString& control) {
  const EngineFigures& f = r.outcome.engine.figures;
  const auto figure = [](bool calculated, float value) {
    return calculated && std::isfinite(value) ? FormatFixed(value, 6, 2) : QString();
  };
  if (control == QLatin1String("Edithci")) return figure(f.interiorCalculated, f.interiorConvection);
  if (control == QLatin1String("Edithri")) return figure(f.interiorCalculated, f.interiorRadiation);
  if (control == QLatin1String("Edithce")) return figure(f.exteriorCalculated, f.exteriorConvection);
  if (control == QLatin1String("Edithre")) return figure(f.exteriorCalculated, f.exteriorRadiation);
  return {};
}

// The text of a value of the case, or of a coefficient the calculation worked
// out, by the control that shows it: a number is written with the user's
// decimal separator however it was typed or stored; any other text as it
// stands.
QString Value(const ReportCase& r, const char* control) {
  const QString name = QString::fromLatin1(control);
  const CaseField* field = FindCaseField(name);
  const QString text = field ? CaseText(r.c, *field) : WorkedOutCoefficient(r, name);
  const QChar separator = DecimalSeparator();
  if (ReadDecimal(text, separator)) return text;
  const QString exchanged = ExchangeSeparators(text);
  return ReadDecimal(exchanged, separator) ? exchanged : text;
}

void Heading(ReportDocument& doc, const QString& text) {
  Line(doc, QString());
  doc.SetFont({true, kHeadingSize});
  Line(doc, text);
  doc.SetFont({false, kBodySize});
}

// A block of texts side by side, without lines, indented as a line of data.
ReportTable SideBySide(const QStringList& texts, double widthCm) {
  ReportTable table;
  table.ruled = false;
  table.fontSize = kBodySize;
  table.indentCm = 1.25;
  for (qsizetype i = 0; i < texts.size(); ++i) {
    table.widthsCm.push_back(widthCm);
    table.alignments.push_back(CellAlignment::Left);
  }
  table.rows.push_back(texts);
  return table;
}

// Writes the interior or exterior temperature line: the temperature, and the
// relative humidity beside it, in a column of its own, when the window asks
// for it.
void TemperatureLine(ReportDocument& doc, const ReportCase& r, const char* temperatureField, const char* humidityField,
                     const QString& temperatureCaption, const QString& humidityCaption) {
  if (!r.Shown(temperatureField)) {
    Line(doc, QString());
    return;
  }
  const QString temperature = temperatureCaption + Value(r, temperatureField) + QStringLiteral(" ºC");
  if (!r.Shown(humidityField)) {
    Line(doc, kIndent + temperature);
    return;
  }
  doc.AppendTable(SideBySide({temperature, humidityCaption + Value(r, humidityField) + QStringLiteral(" %")}, 4.5));
}

// A line of a calculated coefficient's data ("Altura = 3 m"), when the field is shown.
void DataLine(ReportDocument& doc, const ReportCase& r, const char* field, const QString& caption,
              const QString& unit) {
  if (r.Shown(field)) Line(doc, kDeepIndent + caption + Value(r, field) + unit);
}

void ConvectionLines(ReportDocument& doc, const ReportCase& r, const char* convectionField, bool laminar,
                     const char* radiationField) {
  DataLine(
      doc, r, convectionField,
      laminar ? ReportWriter::tr("Coef. convección laminar = ") : ReportWriter::tr("Coef. convección turbulenta = "),
      QStringLiteral(" W/m2ºC"));
  DataLine(doc, r, radiationField, ReportWriter::tr("Coef. radiación = "), QStringLiteral(" W/m2ºC"));
}

void InteriorCoefficientLines(ReportDocument& doc, const ReportCase& r) {
  const bool plate = r.c.IsPlate();
  const QString hint = Value(r, "EditCoefInt") + QStringLiteral(" W/m2ºC");
  switch (r.c.interiorMode) {
    case 0:
      Line(doc, kIndent + (plate ? ReportWriter::tr("Coeficiente convección-radiación interno impuesto: hint = %1")
                                 : ReportWriter::tr("Coeficiente convección interno impuesto: hint = %1"))
                              .arg(hint));
      break;
    case 1:
      if (plate)
        Line(doc, kIndent +
                      ReportWriter::tr("Coeficiente convección-radiación muy alto (resistencia térmica despreciable)"));
      else
        Line(doc,
             kIndent + ReportWriter::tr("Coeficiente convección interno muy alto (resistencia térmica despreciable)"));
      break;
    case 2:
      DataLine(doc, r, "EditAnchura", ReportWriter::tr("Longitud = "), QStringLiteral(" m"));
      DataLine(doc, r, "EditAlthi", ReportWriter::tr("Altura = "), QStringLiteral(" m"));
      DataLine(doc, r, "Editvelhi", ReportWriter::tr("Velocidad = "), QStringLiteral(" m/s"));
      DataLine(doc, r, "Editemisionhi", ReportWriter::tr("Coef. emisión = "), QString());
      ConvectionLines(doc, r, "Edithci", r.outcome.engine.interiorLaminar, "Edithri");
      Line(doc, kIndent + (plate ? ReportWriter::tr("Coeficiente convección-radiación interior calculado: hint = %1")
                                 : ReportWriter::tr("Coeficiente convección interior calculado: hint = %1"))
                              .arg(hint));
      break;
    default: break;
  }
}

void ExteriorCoefficientLines(ReportDocument& doc, const ReportCase& r) {
  const QString hext = Value(r, "EditCoefext") + QStringLiteral(" W/m2ºC");
  switch (r.c.exteriorMode) {
    case 0:
      Line(doc, kIndent + ReportWriter::tr("Coeficiente convección-radiación externo impuesto: hext = %1").arg(hext));
      break;
    case 1:
      Line(doc,
           kIndent + ReportWriter::tr("Coeficiente convección-radiación muy alto (resistencia térmica despreciable)"));
      break;
    case 2:
      DataLine(doc, r, "EditAlthe", ReportWriter::tr("Altura = "), QStringLiteral(" m"));
      DataLine(doc, r, "Editvelhe", ReportWriter::tr("Velocidad = "), QStringLiteral(" m/s"));
      DataLine(doc, r, "Editemisionhe", ReportWriter::tr("Coef. emisión = "), QString());
      ConvectionLines(doc, r, "Edithce", r.outcome.engine.exteriorLaminar, "Edithre");
      if (r.c.surroundings == 1)
        Line(doc,
             kIndent + ReportWriter::tr("Coeficiente convección exterior calculado (al ambiente exterior): hext = %1")
                           .arg(hext));
      else if (r.c.surroundings == 0)
        Line(doc, kIndent + ReportWriter::tr(
                                "Coeficiente convección-radiación exterior calculado (recinto cerrado): hext = %1")
                                .arg(hext));
      break;
    default: break;
  }
}

void SoilLines(ReportDocument& doc, const ReportCase& r) {
  if (r.Shown("EditTsuelo"))
    Line(doc, kIndent + ReportWriter::tr("Tsuelo = %1 ºC").arg(Value(r, "EditTsuelo")));
  else
    Line(doc, QString());
  const QString conductivity = Value(r, "EditkTerreno") + QStringLiteral(" W/mºC");
  if (r.c.soilMode == 1) {
    DataLine(doc, r, "EditDensidad", ReportWriter::tr("Densidad terreno = "), QStringLiteral(" kg/m3"));
    DataLine(doc, r, "EditHumedad", ReportWriter::tr("Humedad relativa terreno = "), QStringLiteral(" %"));
    Line(doc, kIndent + ReportWriter::tr("Conductividad terreno calculada: kterreno = %1").arg(conductivity));
  } else if (r.c.soilMode == 0) {
    Line(doc, kIndent + ReportWriter::tr("Conductividad terreno impuesta: kterreno = %1").arg(conductivity));
  }
  Line(doc, kIndent + ReportWriter::tr("Profundidad eje tubería: p = %1 m").arg(Value(r, "EditProfundidad")));
}

// The heading block: what the case is, which file holds it and when the
// report was made.
ReportTable CaseHeading(const ReportCase& r, const QDateTime& when) {
  ReportTable table;
  table.ruled = false;
  table.fontSize = 11;
  table.widthsCm = {2.6, 7.6};
  table.alignments = {CellAlignment::Left, CellAlignment::Left};
  const QString file = r.projectPath.isEmpty() ? ReportWriter::tr("sin guardar") : QFileInfo(r.projectPath).fileName();
  table.rows = {{ReportWriter::tr("Referencia:"), r.c.reference},
                {ReportWriter::tr("Proyecto:"), file},
                {ReportWriter::tr("Fecha:"), when.toString(QStringLiteral("dd/MM/yyyy HH:mm"))}};
  return table;
}

// Two blocks side by side, without lines: what goes in the first column and
// what goes in the second, each a picture or a table.
ReportTable Beside(double firstCm, ReportCellInset first, double secondCm, ReportCellInset second) {
  ReportTable layout;
  layout.ruled = false;
  layout.fontSize = kBodySize;
  layout.widthsCm = {firstCm, secondCm};
  layout.alignments = {CellAlignment::Left, CellAlignment::Left};
  layout.rows = {{QString(), QString()}};
  first.row = second.row = 0;
  first.column = 0;
  second.column = 1;
  layout.insets = {std::move(first), std::move(second)};
  return layout;
}

ReportCellInset PictureInset(const QImage& picture) {
  ReportCellInset inset;
  inset.image = picture;
  return inset;
}

ReportCellInset TableInset(const ReportTable& table) {
  ReportCellInset inset;
  inset.table = {table};
  return inset;
}

// The widths of the blocks laid side by side; together the text column. A
// block leaves 0.2 cm of its column free, the right padding of its cell.
constexpr double kHeadingBlockCm = 10.4;  // its table 2.6 + 7.6 cm
constexpr double kDrawingCm = 6.6;
constexpr double kTemperaturesCm = kInterfaceTemperatureTableCm + 0.2;
constexpr double kChartCm = 17.0 - kTemperaturesCm;

// The data of the economic thickness: the money and time figures, then the
// two points of the insulation's cost line.
void EconomicInputs(ReportDocument& doc, const ReportCase& r) {
  Heading(doc, ReportWriter::tr("Datos económicos"));
  ReportTable figures;
  figures.ruled = false;
  figures.fontSize = kBodySize;
  figures.indentCm = 1.25;
  figures.widthsCm = {6.0, 4.0};
  figures.alignments = {CellAlignment::Left, CellAlignment::Left};
  const auto row = [&](const char* caption, const char* field, const char* unit) {
    figures.rows.push_back({ReportWriter::tr(caption), Value(r, field) + QLatin1Char(' ') + ReportWriter::tr(unit)});
  };
  row(QT_TRANSLATE_NOOP("ReportWriter", "Inflación del combustible"), "EditInf", "%");
  row(QT_TRANSLATE_NOOP("ReportWriter", "Coste de oportunidad del dinero"), "EditOpor", "%");
  row(QT_TRANSLATE_NOOP("ReportWriter", "Años de vida de la instalación"), "EditNa",
      QT_TRANSLATE_NOOP("ReportWriter", "años"));
  row(QT_TRANSLATE_NOOP("ReportWriter", "Horas de funcionamiento al año"), "EditNh", "h");
  row(QT_TRANSLATE_NOOP("ReportWriter", "Coste de la energía térmica"), "EditCET",
      QT_TRANSLATE_NOOP("ReportWriter", "euros/kWh"));
  doc.AppendTable(figures);

  ReportTable costs;
  costs.headerRows = 1;
  costs.fontSize = kBodySize;
  costs.indentCm = 1.25;
  costs.widthsCm = {3.5, 5.0};
  costs.alignments = {CellAlignment::Right, CellAlignment::Right};
  costs.rows = {{ReportWriter::tr("Espesor\n(mm)"),
                 ReportWriter::tr("Coste aislamiento\n(%1)").arg(UnitText(r.c, CaseUnit::EurosPerSquareMetre))},
                {Value(r, "EditEsp1"), Value(r, "EditCI1")},
                {Value(r, "EditEsp2"), Value(r, "EditCI2")}};
  doc.AppendTable(costs);
}

QString Cell(const QString& text, bool shown, int decimals) {
  return shown ? FormatFixed(ParseNumber(text), 6, decimals) : QString();
}
QString ResistanceCell(const QString& text, bool shown) {
  return shown ? FormatResistance(ParseNumber(text), 6) : QString();
}

// Condition lines shared by several element kinds.
QString PercentageLine(const ReportCase& r) {
  return ReportWriter::tr("Reducción al %1 % del flujo de calor de elemento sin aislamiento")
      .arg(Value(r, "EditCondicionPor"));
}
QString SurfaceTemperatureLine(const ReportCase& r) {
  return ReportWriter::tr("Imposición de una temperatura superficial exterior de %1 ºC")
      .arg(Value(r, "EditCondicionTe"));
}
QString HeatFlowLine(const ReportCase& r) {
  return ReportWriter::tr("Imposición de un flujo de calor de %1W").arg(Value(r, "EditCondicionQ"));
}
QString LinearHeatFlowLine(const ReportCase& r) {
  return ReportWriter::tr("Imposición de una densidad lineal de flujo de calor de %1W/m")
      .arg(Value(r, "EditCondicionQ"));
}
QString LinearResistanceLine(const ReportCase& r) {
  return ReportWriter::tr("Conseguir una resistencia térmica lineal de %1 mºC/W").arg(Value(r, "EditCondicionRT"));
}
QString Economic() { return ReportWriter::tr("Espesor económico"); }
QString NoExteriorCondensation() { return ReportWriter::tr("Evitar condensaciones exteriores"); }

std::optional<QString> PlateCondition(const ReportCase& r, int row) {
  switch (row) {
    case 0:
      return ReportWriter::tr("Imposición de una densidad superficial de flujo de calor de %1W/m2")
          .arg(Value(r, "EditCondicionQ"));
    case 1: return PercentageLine(r);
    case 2:
      return ReportWriter::tr("Conseguir un coef. global de transferencia de calor de %1W/m2ºC")
          .arg(Value(r, "EditCondicionRT"));
    case 3: return Economic();
    case 4: return SurfaceTemperatureLine(r);
    case 5: return NoExteriorCondensation();
    case 6:
      return ReportWriter::tr("Imposición de una temperatura superficial interior de %1 ºC")
          .arg(Value(r, "EditCondicionTi"));
    case 7: return ReportWriter::tr("Evitar condensaciones interiores");
    default: return std::nullopt;
  }
}

std::optional<QString> PipeInAirCondition(const ReportCase& r, int row) {
  switch (row) {
    case 0: return LinearHeatFlowLine(r);
    case 1: return PercentageLine(r);
    case 2: return LinearResistanceLine(r);
    case 3: return Economic();
    case 4: return SurfaceTemperatureLine(r);
    case 5: return NoExteriorCondensation();
    case 6:
      return ReportWriter::tr("Imponer una temperatura final del agua %1 ºC con una long. tubería de %2 m")
          .arg(Value(r, "EditTf"), Value(r, "EditLong"));
    case 7:
      return ReportWriter::tr("Imponer un porcentaje de agua congelada %1 %, durante un tiempo de %2 h")
          .arg(Value(r, "EditCondicionPorCong"), Value(r, "EditCondicionTCong"));
    default: return std::nullopt;
  }
}

std::optional<QString> SphereCondition(const ReportCase& r, int row) {
  switch (row) {
    case 0: return HeatFlowLine(r);
    case 1: return PercentageLine(r);
    case 2:
      return ReportWriter::tr("Conseguir una resistencia térmica total de %1 ºC/W").arg(Value(r, "EditCondicionRT"));
    case 3: return Economic();
    case 4: return SurfaceTemperatureLine(r);
    case 5: return NoExteriorCondensation();
    default: return std::nullopt;
  }
}

std::optional<QString> DuctCondition(const ReportCase& r, int row) {
  switch (row) {
    case 0: return HeatFlowLine(r);
    case 1: return PercentageLine(r);
    case 2: return LinearResistanceLine(r);
    case 3: return Economic();
    case 4: return SurfaceTemperatureLine(r);
    case 5: return NoExteriorCondensation();
    case 6: return QString();
    default: return std::nullopt;
  }
}

std::optional<QString> TankCondition(const ReportCase& r, int row) {
  switch (row) {
    case 0: return HeatFlowLine(r);
    case 1: return PercentageLine(r);
    case 2: return Economic();
    default: return std::nullopt;
  }
}

}  // namespace

QStringList LayerRowCells(const QString& name, const QString& thickness, bool thicknessShown,
                          const QString& conductivity, bool conductivityShown, const QString& resistance,
                          bool resistanceShown, const QString& vapour, bool vapourShown, bool vapourColumn) {
  QStringList cells = {name, Cell(thickness, thicknessShown, 2), Cell(conductivity, conductivityShown, 3),
                       ResistanceCell(resistance, resistanceShown)};
  if (vapourColumn) cells << Cell(vapour, vapourShown, 3);
  return cells;
}

ReportTable LayerTable(const ReportCase& r) {
  const bool vapour = r.Shown("Editrv1");
  ReportTable table;
  table.headerRows = 1;
  table.fontSize = kBodySize;
  // The headings' words must fit whole even in a wide serif face.
  table.widthsCm = vapour ? std::vector<double>{4.4, 2.4, 3.6, 3.3, 3.3} : std::vector<double>{6.2, 2.8, 3.8, 4.2};
  table.alignments.assign(table.widthsCm.size(), CellAlignment::Right);
  table.alignments.front() = CellAlignment::Left;
  QStringList headings = {ReportWriter::tr("Nombre"), ReportWriter::tr("Espesor\n(mm)"),
                          ReportWriter::tr("Conductividad\n(W/mºC)"),
                          ReportWriter::tr("Resist.térmica\n(%1)").arg(UnitText(r.c, CaseUnit::LayerResistance))};
  if (vapour) headings << ReportWriter::tr("Resistiv.vapor\n(MN s/gm)");
  table.rows.push_back(headings);

  // A surface's resistance is the calculation's.
  const auto surface = [&](const QString& name, int face) {
    const float resistance = r.outcome.engine.results.resistances[face];
    const bool shown = r.outcome.HasResults();
    table.rows.push_back(LayerRowCells(name, {}, false, {}, false, shown ? FormatResistance(resistance, 5) : QString(),
                                       shown, {}, false, vapour));
  };
  surface(ReportWriter::tr("Interior"), 0);
  for (const CaseLayer& layer : r.c.Layers()) {
    const int n = static_cast<int>(&layer - r.c.layers.data()) + 1;
    table.rows.push_back(LayerRowCells(layer.name, layer.thickness, !layer.thickness.isEmpty(), layer.conductivity,
                                       !layer.conductivity.isEmpty(), layer.resistance, !layer.resistance.isEmpty(),
                                       layer.vapourResistivity, r.Shown(QStringLiteral("Editrv%1").arg(n)), vapour));
  }
  if (r.c.IsPipeInBox())
    table.rows.push_back(LayerRowCells(ReportWriter::tr("Canalización: Lado"), r.c.boxSize, !r.c.boxSize.isEmpty(),
                                       r.c.boxConductivity, !r.c.boxConductivity.isEmpty(), r.c.boxResistance,
                                       !r.c.boxResistance.isEmpty(), {}, false, vapour));
  surface(r.c.IsBuriedPipe() ? ReportWriter::tr("Terreno") : ReportWriter::tr("Exterior"), 10);
  return table;
}

std::optional<QString> DesignConditionLine(const ReportCase& r) {
  const int row = r.c.conditionRows[static_cast<int>(r.c.Conditions())];
  switch (r.c.Conditions()) {
    case ConditionList::Plate: return PlateCondition(r, row);
    case ConditionList::PipeInAir: return PipeInAirCondition(r, row);
    case ConditionList::BuriedPipe: return row >= 0 && row <= 3 ? PipeInAirCondition(r, row) : std::nullopt;
    case ConditionList::Sphere: return SphereCondition(r, row);
    case ConditionList::Duct: return DuctCondition(r, row);
    case ConditionList::Tank: return TankCondition(r, row);
  }
  return std::nullopt;
}

QString ElementDrawingName(const Case& c) {
  switch (c.kind) {
    case GeometryKind::Plate:
      switch (c.plateOrientation) {
        case 1: return QStringLiteral("ImageSuelo");
        case 2: return QStringLiteral("ImageTecho");
        default: return QStringLiteral("ImagePared");
      }
    case GeometryKind::Pipe:
      switch (c.pipePlacing) {
        case 2: return QStringLiteral("ImageTuberiaEnterrada");
        case 3: return QStringLiteral("ImageTuberiaEnterradaCaja");
        default: return QStringLiteral("ImageTuberia");
      }
    case GeometryKind::Sphere: return QStringLiteral("ImageEsfera");
    case GeometryKind::Special:
      switch (c.specialVariant) {
        case 1: return QStringLiteral("ImageDepositoV");
        case 2: return QStringLiteral("ImageDepositoH");
        default: return QStringLiteral("ImageConducto");
      }
  }
  return QStringLiteral("ImagePared");
}

QString ReportTitle(const Case& c) {
  const QString reference = c.reference.simplified();
  return reference.isEmpty() ? ReportWriter::tr("Informe Brenak") : reference;
}

bool IsEconomicCase(const CaseOutcome& outcome) {
  return outcome.inputs.thicknessTarget && outcome.inputs.condition == DesignCondition::Economic;
}

ReportCase::ReportCase(const Case& value, const CaseOutcome& calculated, const QString& path)
    : c(value), outcome(calculated), projectPath(path), shownFields(ShownFields(value)) {}

bool ReportCase::Shown(const char* control) const { return Shown(QString::fromLatin1(control)); }

bool ReportCase::Shown(const QString& control) const {
  // The panels of the sides: a buried pipe has soil where others have air.
  if (control == QLatin1String("PanelExterior")) return !c.IsBuriedPipe();
  if (control == QLatin1String("PanelTerreno")) return c.IsBuriedPipe();
  // The economic figures are shown with the economic thickness they are of.
  if (control == QLatin1String("PanelEconomico")) return outcome.engine.economic;
  // The parts of a calculated coefficient.
  if (control == QLatin1String("Edithci") || control == QLatin1String("Edithri")) return InteriorModeOf(c) == 2;
  if (control == QLatin1String("Edithce") || control == QLatin1String("Edithre"))
    return !c.IsBuriedPipe() && ExteriorModeOf(c) == 2;
  // The result lines are always on the window, empty or not.
  if (control == QLatin1String("Panel5") || control.startsWith(QLatin1String("Label"))) return true;
  return shownFields.contains(control);
}

void WriteReport(const ReportCase& r, ReportDocument& doc, ReportPictures& pictures, const QDateTime& when) {
  doc.SetDocumentTitle(ReportTitle(r.c));

  // Banner; the case, its file and date beside the drawing of the element;
  // title and design condition. Banner and drawing are kept small enough for
  // a short report to fit on one page.
  doc.AppendPicture(PrintedWithin(pictures.Banner(), 14.0, 3.0));
  Line(doc, QString());
  doc.AppendTable(
      Beside(kHeadingBlockCm, TableInset(CaseHeading(r, when)), kDrawingCm,
             PictureInset(PrintedWithin(pictures.ElementDrawing(ElementDrawingName(r.c)), kDrawingCm - 0.2, 3.4))));
  Line(doc, QString());
  doc.SetFont({true, kTitleSize});
  Line(doc, r.c.ThicknessTarget() ? ReportWriter::tr("Cálculo del espesor de aislamiento")
                                  : ReportWriter::tr("Cálculo del flujo de calor"));
  doc.SetFont({false, 11});
  if (r.c.ThicknessTarget()) {
    if (const std::optional<QString> condition = DesignConditionLine(r)) Line(doc, *condition);
  }

  // Interior side.
  Heading(doc, ReportWriter::tr("Condiciones Interiores"));
  TemperatureLine(doc, r, "EditTi", "EditFiI", ReportWriter::tr("Tint = "), ReportWriter::tr("Hrint = "));
  InteriorCoefficientLines(doc, r);
  if (r.Shown("Editr0")) Line(doc, kIndent + ReportWriter::tr("Diámetro interior: %1 mm").arg(Value(r, "Editr0")));

  Heading(doc, ReportWriter::tr("Datos diferentes capas material"));
  doc.AppendTable(LayerTable(r));

  // Exterior side, or the soil of a buried pipe.
  if (r.Shown("PanelExterior")) {
    Heading(doc, ReportWriter::tr("Condiciones Exteriores"));
    TemperatureLine(doc, r, "EditTe", "EditFiE", ReportWriter::tr("Text = "), ReportWriter::tr("Hrext = "));
    ExteriorCoefficientLines(doc, r);
  }
  if (r.Shown("PanelTerreno")) {
    Heading(doc, ReportWriter::tr("Condiciones Suelo"));
    SoilLines(doc, r);
  }
  if (r.Shown("EditLongitud")) Line(doc, kIndent + ReportWriter::tr("Longitud: %1 m").arg(Value(r, "EditLongitud")));

  if (IsEconomicCase(r.outcome)) EconomicInputs(doc, r);

  // Results, the regulation's minimum thickness, the costs, as the window
  // shows them.
  QStringList results;
  QStringList costs;
  const CaseOutcome& outcome = r.outcome;
  const auto result = [&](const char* label, const QString& line) {
    if (r.Shown("Panel5") && r.Shown(label) && !line.isEmpty()) results << line;
  };
  if (outcome.HasResults()) {
    const ResultLines lines = MakeResultLines(outcome);
    result("LabelEsp", lines.note.value_or(QString()));
    result("LabelRT", lines.resistance);
    result("LabelQ", lines.heatFlow);
    if (r.Shown("LabelRITE") && !lines.rite.isEmpty()) results << lines.rite;
    if (outcome.engine.economic && r.Shown("PanelEconomico")) {
      const EconomicLines economic = MakeEconomicLines(outcome.inputs, outcome.engine.economicOutcome);
      costs << economic.investment << economic.totalCost;
    }
  } else {
    // A refused condition leaves the bare element's figures.
    for (const BareElementLine::Slot slot : {BareElementLine::Slot::Resistance, BareElementLine::Slot::HeatFlow})
      for (const CalcEvent& event : outcome.engine.events)
        if (event.kind == CalcEvent::Kind::BareElementLine && event.line.slot == slot)
          result(slot == BareElementLine::Slot::HeatFlow ? "LabelQ" : "LabelRT", BareElementLineText(event.line));
  }
  if (!results.isEmpty() || !costs.isEmpty()) {
    Heading(doc, ReportWriter::tr("Resultados"));
    for (const QString& line : results) Line(doc, kIndent + line);
    if (!costs.isEmpty()) Line(doc, QString());
    for (const QString& line : costs) Line(doc, kIndent + line);
  }

  // The chart closes the report, with the temperatures of the faces beside it.
  Heading(doc, ReportWriter::tr("Distribución de temperaturas"));
  ChartModel chartModel;
  if (outcome.HasResults()) {
    FillTemperatureChart(chartModel, outcome.inputs, outcome.engine.results.profile);
    if (outcome.engine.results.hasDewPoints) FillDewPointSeries(chartModel, outcome.engine.results.dewPointProfile);
  }
  const QImage chart = pictures.TemperatureChart(chartModel);
  const ReportTable temperatures = InterfaceTemperatureTable(r.c, outcome, chartModel);
  if (temperatures.rows.size() > 1)
    doc.AppendTable(Beside(kChartCm, PictureInset(PrintedWithin(chart, kChartCm - 0.2, 8.0)), kTemperaturesCm,
                           TableInset(temperatures)));
  else
    doc.AppendPicture(chart);
}
