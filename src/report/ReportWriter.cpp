#include "report/ReportWriter.h"

#include "report/InterfaceTemperatures.h"
#include "report/ReportDocument.h"
#include "report/ReportFiles.h"
#include "report/ReportPictures.h"
#include "form/WindowState.h"
#include "form/NumberFormat.h"

#include <QFileInfo>

namespace {

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

// The text of a field with a number, written with the user's decimal
// separator however it was typed or stored; any other text as it stands.
QString Value(const WindowState& app, const char* field) {
  const QString text = app.form.Text(field);
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
void TemperatureLine(ReportDocument& doc, const WindowState& app, const char* temperatureField,
                     const char* humidityField, const QString& temperatureCaption, const QString& humidityCaption) {
  if (!app.form.Visible(temperatureField)) {
    Line(doc, QString());
    return;
  }
  const QString temperature = temperatureCaption + Value(app, temperatureField) + QStringLiteral(" ºC");
  if (!app.form.Visible(humidityField)) {
    Line(doc, kIndent + temperature);
    return;
  }
  doc.AppendTable(
      SideBySide({temperature, humidityCaption + Value(app, humidityField) + QStringLiteral(" %")}, 4.5));
}

// A line of a calculated coefficient's data ("Altura = 3 m"), when the field is shown.
void DataLine(ReportDocument& doc, const WindowState& app, const char* field, const QString& caption,
              const QString& unit) {
  if (app.form.Visible(field)) Line(doc, kDeepIndent + caption + Value(app, field) + unit);
}

void ConvectionLines(ReportDocument& doc, const WindowState& app, const char* convectionField, bool laminar,
                     const char* radiationField) {
  DataLine(doc, app, convectionField,
           laminar ? QStringLiteral("Coef. convección laminar = ") : QStringLiteral("Coef. convección turbulenta = "),
           QStringLiteral(" W/m2ºC"));
  DataLine(doc, app, radiationField, QStringLiteral("Coef. radiación = "), QStringLiteral(" W/m2ºC"));
}

void InteriorCoefficientLines(ReportDocument& doc, const WindowState& app) {
  const bool plate = app.IsPlate();
  const QString hint = Value(app, "EditCoefInt") + QStringLiteral(" W/m2ºC");
  switch (app.form.Index("RGhi")) {
    case 0:
      Line(doc, kIndent +
                    (plate ? QStringLiteral("Coeficiente convección-radiación interno impuesto: hint = ")
                           : QStringLiteral("Coeficiente convección interno impuesto: hint = ")) +
                    hint);
      break;
    case 1:
      if (plate)
        Line(doc,
             kIndent + QStringLiteral("Coeficiente convección-radiación muy alto (resistencia térmica despreciable)"));
      else
        Line(doc,
             kIndent + QStringLiteral("Coeficiente convección interno muy alto (resistencia térmica despreciable)"));
      break;
    case 2:
      DataLine(doc, app, "EditAnchura", QStringLiteral("Longitud = "), QStringLiteral(" m"));
      DataLine(doc, app, "EditAlthi", QStringLiteral("Altura = "), QStringLiteral(" m"));
      DataLine(doc, app, "Editvelhi", QStringLiteral("Velocidad = "), QStringLiteral(" m/s"));
      DataLine(doc, app, "Editemisionhi", QStringLiteral("Coef. emisión = "), QString());
      ConvectionLines(doc, app, "Edithci", app.interiorLaminar, "Edithri");
      Line(doc, kIndent +
                    (plate ? QStringLiteral("Coeficiente convección-radiación interior calculado: hint = ")
                           : QStringLiteral("Coeficiente convección interior calculado: hint = ")) +
                    hint);
      break;
    default:
      break;
  }
}

void ExteriorCoefficientLines(ReportDocument& doc, const WindowState& app) {
  const QString hext = Value(app, "EditCoefext") + QStringLiteral(" W/m2ºC");
  switch (app.form.Index("RGhe")) {
    case 0:
      Line(doc, kIndent + QStringLiteral("Coeficiente convección-radiación externo impuesto: hext = ") + hext);
      break;
    case 1:
      Line(doc,
           kIndent + QStringLiteral("Coeficiente convección-radiación muy alto (resistencia térmica despreciable)"));
      break;
    case 2:
      DataLine(doc, app, "EditAlthe", QStringLiteral("Altura = "), QStringLiteral(" m"));
      DataLine(doc, app, "Editvelhe", QStringLiteral("Velocidad = "), QStringLiteral(" m/s"));
      DataLine(doc, app, "Editemisionhe", QStringLiteral("Coef. emisión = "), QString());
      ConvectionLines(doc, app, "Edithce", app.exteriorLaminar, "Edithre");
      if (app.form.Index("RGAmbientehe") == 1)
        Line(doc, kIndent +
                      QStringLiteral("Coeficiente convección exterior calculado (al ambiente exterior): hext = ") +
                      hext);
      else if (app.form.Index("RGAmbientehe") == 0)
        Line(doc, kIndent +
                      QStringLiteral("Coeficiente convección-radiación exterior calculado (recinto cerrado): hext = ") +
                      hext);
      break;
    default:
      break;
  }
}

void SoilLines(ReportDocument& doc, const WindowState& app) {
  if (app.form.Visible("EditTsuelo"))
    Line(doc, kIndent + QStringLiteral("Tsuelo = ") + Value(app, "EditTsuelo") + QStringLiteral(" ºC"));
  else
    Line(doc, QString());
  const QString conductivity = Value(app, "EditkTerreno") + QStringLiteral(" W/mºC");
  if (app.form.Index("RadioGroupTerreno") == 1) {
    DataLine(doc, app, "EditDensidad", QStringLiteral("Densidad terreno = "), QStringLiteral(" kg/m3"));
    DataLine(doc, app, "EditHumedad", QStringLiteral("Humedad relativa terreno = "), QStringLiteral(" %"));
    Line(doc, kIndent + QStringLiteral("Conductividad terreno calculada: kterreno = ") + conductivity);
  } else if (app.form.Index("RadioGroupTerreno") == 0) {
    Line(doc, kIndent + QStringLiteral("Conductividad terreno impuesta: kterreno = ") + conductivity);
  }
  Line(doc, kIndent + QStringLiteral("Profundidad eje tubería: p = ") + Value(app, "EditProfundidad") +
                QStringLiteral(" m"));
}

// The heading block: what the case is, which file holds it and when the
// report was made.
ReportTable CaseHeading(const WindowState& app, const QDateTime& when) {
  ReportTable table;
  table.ruled = false;
  table.fontSize = 11;
  table.widthsCm = {2.6, 7.6};
  table.alignments = {CellAlignment::Left, CellAlignment::Left};
  const QString file = app.projectPath.isEmpty() ? kUnsavedProject : QFileInfo(app.projectPath).fileName();
  table.rows = {{QStringLiteral("Referencia:"), app.form.Text("EditReferencia")},
                {QStringLiteral("Proyecto:"), file},
                {QStringLiteral("Fecha:"), when.toString(QStringLiteral("dd/MM/yyyy HH:mm"))}};
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
void EconomicInputs(ReportDocument& doc, const WindowState& app) {
  Heading(doc, QStringLiteral("Datos económicos"));
  ReportTable figures;
  figures.ruled = false;
  figures.fontSize = kBodySize;
  figures.indentCm = 1.25;
  figures.widthsCm = {6.0, 4.0};
  figures.alignments = {CellAlignment::Left, CellAlignment::Left};
  const auto row = [&](const char* caption, const char* field, const char* unit) {
    figures.rows.push_back(
        {QString::fromUtf8(caption), Value(app, field) + QLatin1Char(' ') + QString::fromUtf8(unit)});
  };
  row("Inflación del combustible", "EditInf", "%");
  row("Coste de oportunidad del dinero", "EditOpor", "%");
  row("Años de vida de la instalación", "EditNa", "años");
  row("Horas de funcionamiento al año", "EditNh", "h");
  row("Coste de la energía térmica", "EditCET", "euros/kWh");
  doc.AppendTable(figures);

  ReportTable costs;
  costs.headerRows = 1;
  costs.fontSize = kBodySize;
  costs.indentCm = 1.25;
  costs.widthsCm = {3.5, 5.0};
  costs.alignments = {CellAlignment::Right, CellAlignment::Right};
  costs.rows = {
      {QStringLiteral("Espesor\n(mm)"), QStringLiteral("Coste aislamiento\n(%1)").arg(app.form.Text("Label29"))},
      {Value(app, "EditEsp1"), Value(app, "EditCI1")},
      {Value(app, "EditEsp2"), Value(app, "EditCI2")}};
  doc.AppendTable(costs);
}

QString Cell(const QString& text, bool shown, int decimals) {
  return shown ? FormatFixed(ParseNumber(text), 6, decimals) : QString();
}
QString ResistanceCell(const QString& text, bool shown) {
  return shown ? FormatResistance(ParseNumber(text), 6) : QString();
}

// Condition lines shared by several element kinds.
QString PercentageLine(const WindowState& app) {
  return QStringLiteral("Reducción al ") + Value(app, "EditCondicionPor") +
         QStringLiteral(" % del flujo de calor de elemento sin aislamiento");
}
QString SurfaceTemperatureLine(const WindowState& app) {
  return QStringLiteral("Imposición de una temperatura superficial exterior de ") + Value(app, "EditCondicionTe") +
         QStringLiteral(" ºC");
}
QString HeatFlowLine(const WindowState& app) {
  return QStringLiteral("Imposición de un flujo de calor de ") + Value(app, "EditCondicionQ") + QStringLiteral("W");
}
QString LinearHeatFlowLine(const WindowState& app) {
  return QStringLiteral("Imposición de una densidad lineal de flujo de calor de ") + Value(app, "EditCondicionQ") +
         QStringLiteral("W/m");
}
QString LinearResistanceLine(const WindowState& app) {
  return QStringLiteral("Conseguir una resistencia térmica lineal de ") + Value(app, "EditCondicionRT") +
         QStringLiteral(" mºC/W");
}
const QString kEconomic = QStringLiteral("Espesor económico");
const QString kNoExteriorCondensation = QStringLiteral("Evitar condensaciones exteriores");

std::optional<QString> PlateCondition(const WindowState& app, int row) {
  switch (row) {
    case 0:
      return QStringLiteral("Imposición de una densidad superficial de flujo de calor de ") +
             Value(app, "EditCondicionQ") + QStringLiteral("W/m2");
    case 1: return PercentageLine(app);
    case 2:
      return QStringLiteral("Conseguir un coef. global de transferencia de calor de ") +
             Value(app, "EditCondicionRT") + QStringLiteral("W/m2ºC");
    case 3: return kEconomic;
    case 4: return SurfaceTemperatureLine(app);
    case 5: return kNoExteriorCondensation;
    case 6:
      return QStringLiteral("Imposición de una temperatura superficial interior de ") +
             Value(app, "EditCondicionTi") + QStringLiteral(" ºC");
    case 7: return QStringLiteral("Evitar condensaciones interiores");
    default: return std::nullopt;
  }
}

std::optional<QString> PipeInAirCondition(const WindowState& app, int row) {
  switch (row) {
    case 0: return LinearHeatFlowLine(app);
    case 1: return PercentageLine(app);
    case 2: return LinearResistanceLine(app);
    case 3: return kEconomic;
    case 4: return SurfaceTemperatureLine(app);
    case 5: return kNoExteriorCondensation;
    case 6:
      return QStringLiteral("Imponer una temperatura final del agua ") + Value(app, "EditTf") +
             QStringLiteral(" ºC con una long. tubería de ") + Value(app, "EditLong") + QStringLiteral(" m");
    case 7:
      return QStringLiteral("Imponer un porcentaje de agua congelada ") + Value(app, "EditCondicionPorCong") +
             QStringLiteral(" %, durante un tiempo de ") + Value(app, "EditCondicionTCong") + QStringLiteral(" h");
    default: return std::nullopt;
  }
}

std::optional<QString> SphereCondition(const WindowState& app, int row) {
  switch (row) {
    case 0: return HeatFlowLine(app);
    case 1: return PercentageLine(app);
    case 2:
      return QStringLiteral("Conseguir una resistencia térmica total de ") + Value(app, "EditCondicionRT") +
             QStringLiteral(" ºC/W");
    case 3: return kEconomic;
    case 4: return SurfaceTemperatureLine(app);
    case 5: return kNoExteriorCondensation;
    default: return std::nullopt;
  }
}

std::optional<QString> DuctCondition(const WindowState& app, int row) {
  switch (row) {
    case 0: return HeatFlowLine(app);
    case 1: return PercentageLine(app);
    case 2: return LinearResistanceLine(app);
    case 3: return kEconomic;
    case 4: return SurfaceTemperatureLine(app);
    case 5: return kNoExteriorCondensation;
    case 6: return QString();
    default: return std::nullopt;
  }
}

std::optional<QString> TankCondition(const WindowState& app, int row) {
  switch (row) {
    case 0: return HeatFlowLine(app);
    case 1: return PercentageLine(app);
    case 2: return kEconomic;
    default: return std::nullopt;
  }
}

}  // namespace

QString LayerResistanceUnit(const WindowState& app) {
  switch (app.kind) {
    case GeometryKind::Plate: return QStringLiteral("m2ºC/W");
    case GeometryKind::Pipe: return QStringLiteral("mºC/W");
    case GeometryKind::Sphere: return QStringLiteral("ºC/W");
    case GeometryKind::Special: return app.IsTank() ? QStringLiteral("mºC/W") : QStringLiteral("m2ºC/W");
  }
  return QStringLiteral("m2ºC/W");
}

QStringList LayerRowCells(const QString& name, const QString& thickness, bool thicknessShown,
                          const QString& conductivity, bool conductivityShown, const QString& resistance,
                          bool resistanceShown, const QString& vapour, bool vapourShown, bool vapourColumn) {
  QStringList cells = {name, Cell(thickness, thicknessShown, 2), Cell(conductivity, conductivityShown, 3),
                       ResistanceCell(resistance, resistanceShown)};
  if (vapourColumn) cells << Cell(vapour, vapourShown, 3);
  return cells;
}

ReportTable LayerTable(const WindowState& app) {
  const auto& form = app.form;
  const bool vapour = form.Visible("Editrv1");
  ReportTable table;
  table.headerRows = 1;
  table.fontSize = kBodySize;
  // The headings' words must fit whole even in a wide serif face.
  table.widthsCm = vapour ? std::vector<double>{4.4, 2.4, 3.6, 3.3, 3.3} : std::vector<double>{6.2, 2.8, 3.8, 4.2};
  table.alignments.assign(table.widthsCm.size(), CellAlignment::Right);
  table.alignments.front() = CellAlignment::Left;
  QStringList headings = {QStringLiteral("Nombre"), QStringLiteral("Espesor\n(mm)"),
                          QStringLiteral("Conductividad\n(W/mºC)"),
                          QStringLiteral("Resist.térmica\n(%1)").arg(LayerResistanceUnit(app))};
  if (vapour) headings << QStringLiteral("Resistiv.vapor\n(MN s/gm)");
  table.rows.push_back(headings);

  const auto surface = [&](const QString& name, const char* field) {
    const QString resistance = form.Text(field);
    table.rows.push_back(
        LayerRowCells(name, {}, false, {}, false, resistance, !resistance.isEmpty(), {}, false, vapour));
  };
  surface(QStringLiteral("Interior"), "Edit0RT");
  for (int n = 1; n <= 6; ++n) {
    const QString number = QString::number(n);
    if (!form.Visible(QStringLiteral("ENombre") + number)) continue;
    const QString thickness = form.Text(QStringLiteral("Edit%1e").arg(n));
    const QString conductivity = form.Text(QStringLiteral("Edit%1k").arg(n));
    const QString resistance = form.Text(QStringLiteral("Edit%1RT").arg(n));
    const QString vapourField = QStringLiteral("Editrv") + number;
    table.rows.push_back(LayerRowCells(form.Text(QStringLiteral("ENombre") + number), thickness, !thickness.isEmpty(),
                                       conductivity, !conductivity.isEmpty(), resistance, !resistance.isEmpty(),
                                       form.Text(vapourField), form.Visible(vapourField), vapour));
  }
  if (form.Visible("ComboBoxCaja")) {
    const QString thickness = form.Text("EditeCaja");
    const QString conductivity = form.Text("EditkCaja");
    const QString resistance = form.Text("EditRTCaja");
    table.rows.push_back(LayerRowCells(QStringLiteral("Canalización: Lado"), thickness, !thickness.isEmpty(),
                                       conductivity, !conductivity.isEmpty(), resistance, !resistance.isEmpty(), {},
                                       false, vapour));
  }
  if (form.Visible("PanelExterior")) surface(QStringLiteral("Exterior"), "Edit10RT");
  if (form.Visible("PanelTerreno")) surface(QStringLiteral("Terreno"), "Edit10RT");
  return table;
}

std::optional<QString> DesignConditionLine(const WindowState& app) {
  switch (app.kind) {
    case GeometryKind::Plate: return PlateCondition(app, app.form.Index("RadioGroupCondicionP"));
    case GeometryKind::Pipe:
      if (app.IsBuriedPipe()) {
        const int row = app.form.Index("RadioGroupCondicionTE");
        return row >= 0 && row <= 3 ? PipeInAirCondition(app, row) : std::nullopt;
      }
      return app.IsPipeInAir() ? PipeInAirCondition(app, app.form.Index("RadioGroupCondicionT")) : std::nullopt;
    case GeometryKind::Sphere: return SphereCondition(app, app.form.Index("RadioGroupCondicionE"));
    case GeometryKind::Special:
      if (app.IsDuct()) return DuctCondition(app, app.form.Index("RadioGroupConductos"));
      if (app.IsTank()) return TankCondition(app, app.form.Index("RadioGroupDepositos"));
      return std::nullopt;
  }
  return std::nullopt;
}

QString ElementDrawingName(const WindowState& app) {
  switch (app.kind) {
    case GeometryKind::Plate:
      switch (app.form.Index("RGTipoPared")) {
        case 1: return QStringLiteral("ImageSuelo");
        case 2: return QStringLiteral("ImageTecho");
        default: return QStringLiteral("ImagePared");
      }
    case GeometryKind::Pipe:
      switch (app.form.Index("RGTipoTuberias")) {
        case 2: return QStringLiteral("ImageTuberiaEnterrada");
        case 3: return QStringLiteral("ImageTuberiaEnterradaCaja");
        default: return QStringLiteral("ImageTuberia");
      }
    case GeometryKind::Sphere: return QStringLiteral("ImageEsfera");
    case GeometryKind::Special:
      switch (app.form.Index("RGTipoOtros")) {
        case 1: return QStringLiteral("ImageDepositoV");
        case 2: return QStringLiteral("ImageDepositoH");
        default: return QStringLiteral("ImageConducto");
      }
  }
  return QStringLiteral("ImagePared");
}

QString ReportTitle(const WindowState& app) {
  const QString reference = app.form.Text("EditReferencia").simplified();
  return reference.isEmpty() ? kUntitledReport : reference;
}

bool IsEconomicCase(const WindowState& app) { return app.ThicknessTarget() && DesignConditionLine(app) == kEconomic; }

void WriteReport(const WindowState& app, ReportDocument& doc, ReportPictures& pictures, const QDateTime& when) {
  doc.SetDocumentTitle(ReportTitle(app));

  // Banner; the case, its file and date beside the drawing of the element;
  // title and design condition. Banner and drawing are kept small enough for
  // a short report to fit on one page.
  doc.AppendPicture(PrintedWithin(pictures.Banner(), 14.0, 3.0));
  Line(doc, QString());
  doc.AppendTable(Beside(kHeadingBlockCm, TableInset(CaseHeading(app, when)), kDrawingCm,
                         PictureInset(PrintedWithin(pictures.ElementDrawing(ElementDrawingName(app)),
                                                    kDrawingCm - 0.2, 3.4))));
  Line(doc, QString());
  doc.SetFont({true, kTitleSize});
  Line(doc, app.ThicknessTarget() ? QStringLiteral("Cálculo del espesor de aislamiento")
                                  : QStringLiteral("Cálculo del flujo de calor"));
  doc.SetFont({false, 11});
  if (app.ThicknessTarget()) {
    if (const std::optional<QString> condition = DesignConditionLine(app)) Line(doc, *condition);
  }

  // Interior side.
  Heading(doc, QStringLiteral("Condiciones Interiores"));
  TemperatureLine(doc, app, "EditTi", "EditFiI", QStringLiteral("Tint = "), QStringLiteral("Hrint = "));
  InteriorCoefficientLines(doc, app);
  if (app.form.Visible("Editr0"))
    Line(doc, kIndent + QStringLiteral("Diámetro interior: ") + Value(app, "Editr0") + QStringLiteral(" mm"));

  Heading(doc, QStringLiteral("Datos diferentes capas material"));
  doc.AppendTable(LayerTable(app));

  // Exterior side, or the soil of a buried pipe.
  if (app.form.Visible("PanelExterior")) {
    Heading(doc, QStringLiteral("Condiciones Exteriores"));
    TemperatureLine(doc, app, "EditTe", "EditFiE", QStringLiteral("Text = "), QStringLiteral("Hrext = "));
    ExteriorCoefficientLines(doc, app);
  }
  if (app.form.Visible("PanelTerreno")) {
    Heading(doc, QStringLiteral("Condiciones Suelo"));
    SoilLines(doc, app);
  }
  if (app.form.Visible("EditLongitud"))
    Line(doc, kIndent + QStringLiteral("Longitud: ") + Value(app, "EditLongitud") + QStringLiteral(" m"));

  if (IsEconomicCase(app)) EconomicInputs(doc, app);

  // Results, the regulation's minimum thickness, the costs.
  QStringList results;
  if (app.form.Visible("Panel5"))
    for (const char* label : {"LabelEsp", "LabelRT", "LabelQ"})
      if (app.form.Visible(label) && !app.form.Text(label).isEmpty()) results << app.form.Text(label);
  if (app.form.Visible("LabelRITE") && !app.form.Text("LabelRITE").isEmpty()) results << app.form.Text("LabelRITE");
  QStringList costs;
  if (app.form.Visible("PanelEconomico"))
    for (const char* label : {"LabelCI", "LabelCT"})
      if (app.form.Visible(label) && !app.form.Text(label).isEmpty()) costs << app.form.Text(label);
  if (!results.isEmpty() || !costs.isEmpty()) {
    Heading(doc, QStringLiteral("Resultados"));
    for (const QString& line : results) Line(doc, kIndent + line);
    if (!costs.isEmpty()) Line(doc, QString());
    for (const QString& line : costs) Line(doc, kIndent + line);
  }

  // The chart closes the report, with the temperatures of the faces beside it.
  Heading(doc, QStringLiteral("Distribución de temperaturas"));
  const QImage chart = pictures.TemperatureChart(app.chart);
  const ReportTable temperatures = InterfaceTemperatureTable(app);
  if (temperatures.rows.size() > 1)
    doc.AppendTable(Beside(kChartCm, PictureInset(PrintedWithin(chart, kChartCm - 0.2, 8.0)), kTemperaturesCm,
                           TableInset(temperatures)));
  else
    doc.AppendPicture(chart);
}
