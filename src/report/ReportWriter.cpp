#include "report/ReportWriter.h"

#include "report/ReportDocument.h"
#include "report/ReportPictures.h"
#include "form/WindowState.h"
#include "form/NumberFormat.h"

namespace {

QString Blanks(int count) { return QString(count, QLatin1Char(' ')); }

void Line(ReportDocument& doc, const QString& text) { AppendRun(doc, text, RunEnd::LineFeed); }
void TabRun(ReportDocument& doc, const QString& text) { AppendRun(doc, text, RunEnd::Tab); }

// Writes the interior or exterior temperature line: the temperature, and the
// relative humidity beside it when the window asks for it.
void TemperatureLine(ReportDocument& doc, const WindowState& app, const char* temperatureField,
                     const char* humidityField, const QString& temperatureCaption, const QString& humidityCaption) {
  const bool temperatureShown = app.form.Visible(temperatureField);
  const bool humidityShown = app.form.Visible(humidityField);
  if (!temperatureShown) {
    Line(doc, QString());
    return;
  }
  QString text = Blanks(11) + temperatureCaption + app.form.Text(temperatureField) + QStringLiteral(" ºC");
  if (humidityShown)
    text += Blanks(12) + humidityCaption + app.form.Text(humidityField) + QStringLiteral(" %");
  Line(doc, text);
}

// A line of a calculated coefficient's data ("Altura: = 3 m"), when the field is shown.
void DataLine(ReportDocument& doc, const WindowState& app, const char* field, const QString& caption,
              const QString& unit) {
  if (app.form.Visible(field)) Line(doc, Blanks(20) + caption + app.form.Text(field) + unit);
}

void ConvectionLines(ReportDocument& doc, const WindowState& app, const char* convectionField, bool laminar,
                     const char* radiationField) {
  DataLine(doc, app, convectionField,
           laminar ? QStringLiteral("Coef.convección laminar: = ") : QStringLiteral("Coef.convección turbulenta: = "),
           QStringLiteral(" W/m2ºC"));
  DataLine(doc, app, radiationField, QStringLiteral("Coef.radiación: = "), QStringLiteral(" W/m2ºC"));
}

void InteriorCoefficientLines(ReportDocument& doc, const WindowState& app) {
  const bool plate = app.IsPlate();
  const QString hint = app.form.Text("EditCoefInt") + QStringLiteral(" W/m2ºC");
  switch (app.form.Index("RGhi")) {
    case 0:
      Line(doc, Blanks(11) +
                    (plate ? QStringLiteral("Coeficiente convección_radición interno impuesto: hint = ")
                           : QStringLiteral("Coeficiente convección interno impuesto: hint = ")) +
                    hint);
      break;
    case 1:
      if (plate)
        Line(doc, Blanks(16) + QStringLiteral("Coeficiente convección_radición muy alto (resistencia térmica despreciable)"));
      else
        Line(doc, Blanks(11) + QStringLiteral("Coeficiente convección interno muy alto (resistencia térmica despreciable)"));
      break;
    case 2:
      DataLine(doc, app, "EditAnchura", QStringLiteral("Longitud: = "), QStringLiteral(" m"));
      DataLine(doc, app, "EditAlthi", QStringLiteral("Altura: = "), QStringLiteral(" m"));
      DataLine(doc, app, "Editvelhi", QStringLiteral("Velocidad: = "), QStringLiteral(" m/s"));
      DataLine(doc, app, "Editemisionhi", QStringLiteral("Coef.emisión: = "), QString());
      ConvectionLines(doc, app, "Edithci", app.interiorLaminar, "Edithri");
      Line(doc, Blanks(11) +
                    (plate ? QStringLiteral("Coeficiente convección_radición interior calculado: hint = ")
                           : QStringLiteral("Coeficiente convección interior calculado: hint = ")) +
                    hint);
      break;
    default:
      break;
  }
}

void ExteriorCoefficientLines(ReportDocument& doc, const WindowState& app) {
  const QString hext = app.form.Text("EditCoefext") + QStringLiteral(" W/m2ºC");
  switch (app.form.Index("RGhe")) {
    case 0:
      Line(doc, Blanks(11) + QStringLiteral("Coeficiente convección_radición externo impuesto: hext = ") + hext);
      break;
    case 1:
      Line(doc, Blanks(16) + QStringLiteral("Coeficiente convección_radición muy alto (resistencia térmica despreciable)"));
      break;
    case 2:
      DataLine(doc, app, "EditAlthe", QStringLiteral("Altura: = "), QStringLiteral(" m"));
      DataLine(doc, app, "Editvelhe", QStringLiteral("Velocidad: = "), QStringLiteral(" m/s"));
      DataLine(doc, app, "Editemisionhe", QStringLiteral("Coef.emisión: = "), QString());
      ConvectionLines(doc, app, "Edithce", app.exteriorLaminar, "Edithre");
      if (app.form.Index("RGAmbientehe") == 1)
        Line(doc, Blanks(11) + QStringLiteral("Coeficiente convección exterior calculado (al ambiente exterior): hext = ") + hext);
      else if (app.form.Index("RGAmbientehe") == 0)
        Line(doc, Blanks(11) + QStringLiteral("Coeficiente convección_radición exterior calculado (recinto cerrado): hext = ") + hext);
      break;
    default:
      break;
  }
}

void SoilLines(ReportDocument& doc, const WindowState& app) {
  if (app.form.Visible("EditTsuelo"))
    Line(doc, Blanks(11) + QStringLiteral("Tsuelo = ") + app.form.Text("EditTsuelo") + QStringLiteral(" ºC"));
  else
    Line(doc, QString());
  const QString conductivity = app.form.Text("EditkTerreno") + QStringLiteral(" W/mºC");
  if (app.form.Index("RadioGroupTerreno") == 1) {
    DataLine(doc, app, "EditDensidad", QStringLiteral("Densidad terreno: = "), QStringLiteral(" kg/m3"));
    DataLine(doc, app, "EditHumedad", QStringLiteral("Humedad relativa terreno: = "), QStringLiteral(" %"));
    Line(doc, Blanks(11) + QStringLiteral("Conductividad terreno calculada: kterreno = ") + conductivity);
  } else if (app.form.Index("RadioGroupTerreno") == 0) {
    Line(doc, Blanks(11) + QStringLiteral("Conductividad terreno impuesta: kterreno = ") + conductivity);
  }
  Line(doc, Blanks(11) + QStringLiteral("Profundidad eje tubería : p = ") + app.form.Text("EditProfundidad") +
                QStringLiteral(" m"));
}

void LayerTable(ReportDocument& doc, const WindowState& app) {
  const bool vapour = app.form.Visible("Editrv1");
  Line(doc, QStringLiteral("Datos diferentes capas material"));
  SetReportFont(doc, QStringLiteral("Normal"), 10);
  TabRun(doc, Blanks(15) + QStringLiteral("Nombre") + QLatin1Char('\t'));
  QString headings = Blanks(9) + QStringLiteral("Espesor") + Blanks(9) + QStringLiteral("Conductividad") + Blanks(6) +
                     QStringLiteral("Resist.térmica");
  headings += vapour ? Blanks(5) + QStringLiteral("Resistiv.vapor") : Blanks(1);
  Line(doc, headings);
  TabRun(doc, QStringLiteral("\t"));
  QString units = Blanks(29) + QStringLiteral("(mm)") + Blanks(14) + QStringLiteral("(W/mºC)") + Blanks(12) +
                  QStringLiteral("(m2ºC/W)");
  if (vapour) units += Blanks(9) + QStringLiteral("(MN s/gm)");
  Line(doc, units);

  const QString surfaceBlanks = Blanks(22);
  const auto& form = app.form;
  WriteLayerRow(doc, QStringLiteral("Interior") + surfaceBlanks, {}, false, {}, false, form.Text("Edit0RT"), true, {},
                false);
  for (int n = 1; n <= 6; ++n) {
    const QString number = QString::number(n);
    if (!form.Visible(QStringLiteral("ENombre") + number)) continue;
    const QString thickness = form.Text(QStringLiteral("Edit%1e").arg(n));
    const QString conductivity = form.Text(QStringLiteral("Edit%1k").arg(n));
    const QString resistance = form.Text(QStringLiteral("Edit%1RT").arg(n));
    const QString vapourField = QStringLiteral("Editrv") + number;
    WriteLayerRow(doc, form.Text(QStringLiteral("ENombre") + number), thickness, !thickness.isEmpty(), conductivity,
                  !conductivity.isEmpty(), resistance, !resistance.isEmpty(), form.Text(vapourField),
                  form.Visible(vapourField));
  }
  if (form.Visible("ComboBoxCaja")) {
    const QString thickness = form.Text("EditeCaja");
    const QString conductivity = form.Text("EditkCaja");
    const QString resistance = form.Text("EditRTCaja");
    WriteLayerRow(doc, QStringLiteral("Canalización: Lado"), thickness, !thickness.isEmpty(), conductivity,
                  !conductivity.isEmpty(), resistance, !resistance.isEmpty(), {}, false);
  }
  if (form.Visible("PanelExterior"))
    WriteLayerRow(doc, QStringLiteral("Exterior") + surfaceBlanks, {}, false, {}, false, form.Text("Edit10RT"), true,
                  {}, false);
  if (form.Visible("PanelTerreno"))
    WriteLayerRow(doc, QStringLiteral("Terreno") + surfaceBlanks, {}, false, {}, false, form.Text("Edit10RT"), true,
                  {}, false);
}

QString Cell(const QString& text, bool shown, int decimals) {
  return shown ? FormatFixed(ParseNumber(text), 6, decimals) : Blanks(6);
}

// Condition lines shared by several element kinds.
QString PercentageLine(const WindowState& app) {
  return QStringLiteral("Reducción al ") + app.form.Text("EditCondicionPor") +
         QStringLiteral(" % del flujo de calor de elemento sin aislamiento");
}
QString SurfaceTemperatureLine(const WindowState& app) {
  return QStringLiteral("Imposición de una temperatura superficial exterior de ") + app.form.Text("EditCondicionTe") +
         QStringLiteral(" ºC");
}
QString HeatFlowLine(const WindowState& app) {
  return QStringLiteral("Imposición de un flujo de calor de ") + app.form.Text("EditCondicionQ") + QStringLiteral("W");
}
QString LinearHeatFlowLine(const WindowState& app) {
  return QStringLiteral("Imposición de una densidad lineal de flujo de calor de ") + app.form.Text("EditCondicionQ") +
         QStringLiteral("W/m");
}
QString LinearResistanceLine(const WindowState& app) {
  return QStringLiteral("Conseguir una resistencia térmica lineal de ") + app.form.Text("EditCondicionRT") +
         QStringLiteral(" mºC/W");
}
const QString kEconomic = QStringLiteral("Espesor económico");
const QString kNoExteriorCondensation = QStringLiteral("Evitar condensaciones exteriores");

std::optional<QString> PlateCondition(const WindowState& app, int row) {
  switch (row) {
    case 0:
      return QStringLiteral("Imposición de una densidad superficial de flujo de calor de ") +
             app.form.Text("EditCondicionQ") + QStringLiteral("W/m2");
    case 1: return PercentageLine(app);
    case 2:
      return QStringLiteral("Conseguir un coef. global de transferencia de calor de ") +
             app.form.Text("EditCondicionRT") + QStringLiteral("W/m2ºC");
    case 3: return kEconomic;
    case 4: return SurfaceTemperatureLine(app);
    case 5: return kNoExteriorCondensation;
    case 6:
      return QStringLiteral("Imposición de una temperatura superficial interior de ") +
             app.form.Text("EditCondicionTi") + QStringLiteral(" ºC");
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
      return QStringLiteral("Imponer una temperatura final del agua ") + app.form.Text("EditTf") +
             QStringLiteral(" ºC con una long. tuberia de ") + app.form.Text("EditLong") + QStringLiteral(" m");
    case 7:
      return QStringLiteral("Imponer un porcentaje de agua congelada ") + app.form.Text("EditCondicionPorCong") +
             QStringLiteral(" %, durante un tiempo de ") + app.form.Text("EditCondicionTCong") + QStringLiteral(" h");
    default: return std::nullopt;
  }
}

std::optional<QString> SphereCondition(const WindowState& app, int row) {
  switch (row) {
    case 0: return HeatFlowLine(app);
    case 1: return PercentageLine(app);
    case 2:
      return QStringLiteral("Conseguir una resistencia térmica total de ") + app.form.Text("EditCondicionRT") +
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

void AppendRun(ReportDocument& doc, const QString& text, RunEnd end) {
  doc.AppendText(text + (end == RunEnd::LineFeed ? QLatin1Char('\n') : QLatin1Char('\t')));
}

void SetReportFont(ReportDocument& doc, const QString& style, float size) {
  ReportFontChange change;
  change.size = size;
  if (style == QLatin1String("Normal")) {
    change.bold = change.italic = change.emboss = change.engrave = change.shadow = change.doubleStrikeThrough =
        change.strikeThrough = false;
  } else if (style == QLatin1String("Bold")) {
    change.bold = true;
  } else if (style == QLatin1String("Italic")) {
    change.italic = true;
  } else if (style == QLatin1String("Emboss")) {
    change.emboss = true;
  } else if (style == QLatin1String("Engrave")) {
    change.engrave = true;
  } else if (style == QLatin1String("Shadow")) {
    change.shadow = true;
  } else if (style == QLatin1String("DoubleStrikeThrough")) {
    change.doubleStrikeThrough = true;
  } else if (style == QLatin1String("StrikeThrough")) {
    change.strikeThrough = true;
  }
  doc.SetLastSentenceFont(change);
}

void PlaceReportPicture(ReportDocument& doc, const QImage& picture) { doc.PastePictureOverLastSentence(picture); }

void WriteLayerRow(ReportDocument& doc, const QString& name, const QString& thickness, bool thicknessShown,
                   const QString& conductivity, bool conductivityShown, const QString& resistance,
                   bool resistanceShown, const QString& vapour, bool vapourShown) {
  const QString nameCell = Blanks(13) + name;
  QString row = nameCell + (nameCell.size() > 28 ? QStringLiteral("\t") : QStringLiteral("\t\t"));
  row += Cell(thickness, thicknessShown, 2) + QStringLiteral("\t\t");
  row += Cell(conductivity, conductivityShown, 3) + QStringLiteral("\t\t");
  row += Cell(resistance, resistanceShown, 3) + QStringLiteral("\t\t");
  row += Cell(vapour, vapourShown, 3);
  Line(doc, row);
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

bool WriteReport(WindowState& app, ReportDocument& doc, ReportPictures& pictures) {
  // Without the document application nothing can be written: say so and stop.
  if (!doc.Connect()) {
    app.messages.Show({QStringLiteral("Error"), QStringLiteral("Word may not be installed"), MessageButtons::Yes});
    return false;
  }
  doc.ShowWindow(kReportWindowCaption);
  doc.NewDocument();
  doc.DisableProofing();

  // Banner and title.
  PlaceReportPicture(doc, pictures.Banner());
  Line(doc, QString());
  Line(doc, QString());
  SetReportFont(doc, QStringLiteral("Bold"), 14);
  TabRun(doc, QString());
  Line(doc, app.ThicknessTarget() ? QStringLiteral("Cálculo del espesor de aislamiento")
                                  : QStringLiteral("Cálculo del flujo de calor"));
  TabRun(doc, QString());
  SetReportFont(doc, QString(), 10);

  // The element: design condition and drawing.
  if (app.ThicknessTarget()) {
    if (const std::optional<QString> condition = DesignConditionLine(app)) Line(doc, *condition);
  }
  TabRun(doc, QString());
  PlaceReportPicture(doc, pictures.ElementDrawing(ElementDrawingName(app)));
  Line(doc, QString());

  // Interior side.
  SetReportFont(doc, QStringLiteral("Bold"), 14);
  Line(doc, QStringLiteral("Condiciones Interiores"));
  SetReportFont(doc, QStringLiteral("Normal"), 10);
  TemperatureLine(doc, app, "EditTi", "EditFiI", QStringLiteral("Tint = "), QStringLiteral("Hrint = "));
  InteriorCoefficientLines(doc, app);
  if (app.form.Visible("Editr0"))
    Line(doc, QStringLiteral("Diámetro interior: ") + app.form.Text("Editr0") + QStringLiteral(" mm"));

  LayerTable(doc, app);

  // Exterior side, or the soil of a buried pipe.
  if (app.form.Visible("PanelExterior")) {
    Line(doc, QStringLiteral("Condiciones Exteriores"));
    SetReportFont(doc, QStringLiteral("Normal"), 10);
    TemperatureLine(doc, app, "EditTe", "EditFiE", QStringLiteral("Text = "), QStringLiteral("Hrext = "));
    ExteriorCoefficientLines(doc, app);
  }
  if (app.form.Visible("PanelTerreno")) {
    Line(doc, QStringLiteral("Condiciones Suelo"));
    SetReportFont(doc, QStringLiteral("Normal"), 10);
    SoilLines(doc, app);
  }
  if (app.form.Visible("EditLongitud"))
    Line(doc, QStringLiteral("Longitud: ") + app.form.Text("EditLongitud") + QStringLiteral(" m"));

  // Results.
  if (app.form.Visible("Panel5")) {
    Line(doc, QString());
    for (const char* label : {"LabelEsp", "LabelRT", "LabelQ"})
      if (app.form.Visible(label)) Line(doc, app.form.Text(label));
  }
  if (app.form.Visible("PanelEconomico")) {
    Line(doc, QString());
    for (const char* label : {"LabelCI", "LabelCT"})
      if (app.form.Visible(label)) Line(doc, app.form.Text(label));
  }

  // The chart closes the report.
  Line(doc, QString());
  Line(doc, QStringLiteral("Distribución de temperaturas"));
  TabRun(doc, QStringLiteral("\t"));
  PlaceReportPicture(doc, pictures.TemperatureChart(app.chart));
  return true;
}
