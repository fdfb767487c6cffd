// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ControlCatalog.h"

#include <QCoreApplication>

namespace {

class Catalog {
 public:
  std::vector<Control> controls;

  Control& Add(ControlType type, const QString& name, const QString& parent, const QString& text = {}) {
    Control c;
    c.name = name;
    c.type = type;
    c.parent = parent;
    c.text = text;
    controls.push_back(c);
    return controls.back();
  }
  Control& Edit(const QString& name, const QString& parent, const QString& text = {}) {
    Control& c = Add(ControlType::Edit, name, parent, text);
    c.hasState = true;
    return c;
  }
  Control& Computed(const QString& name, const QString& parent) {
    Control& c = Edit(name, parent);
    c.state = FieldState::Computed;
    return c;
  }
  Control& Label(const QString& name, const QString& parent, const QString& caption = {}) {
    return Add(ControlType::Label, name, parent, caption);
  }
  Control& Group(const QString& name, const QString& parent, const QString& caption, const QStringList& items,
                 int index) {
    Control& c = Add(ControlType::RadioGroup, name, parent, caption);
    c.items = items;
    c.index = index;
    return c;
  }
  Control& Combo(const QString& name, const QString& parent, const QStringList& items, int index) {
    Control& c = Add(ControlType::ComboBox, name, parent);
    c.items = items;
    c.index = index;
    return c;
  }
  Control& Button(const QString& name, const QString& parent, const QString& caption, const QString& hint) {
    Control& c = Add(ControlType::Button, name, parent, caption);
    c.hint = hint;
    return c;
  }
  Control& Panel(const QString& name, const QString& parent, const QString& caption = {}) {
    return Add(ControlType::Panel, name, parent, caption);
  }
  Control& Picture(const QString& name, const QString& parent) { return Add(ControlType::Picture, name, parent); }
};

QString N(const char* prefix, int n, const char* suffix = "") {
  return QString::fromLatin1(prefix) + QString::number(n) + QString::fromLatin1(suffix);
}

// The window's texts are translated as the catalog is built, so the form
// model holds them in the language the program speaks.
class ControlCatalog {
  Q_DECLARE_TR_FUNCTIONS(ControlCatalog)

 public:
  static std::vector<Control> Build();
};

}  // namespace

std::vector<Control> BuildControlCatalog() { return ControlCatalog::Build(); }

std::vector<Control> ControlCatalog::Build() {
  Catalog k;
  const QString window;

  // Toolbar.
  k.Button("SBNuevo", window, tr("Nuevo"), tr("Nuevo"));
  k.Button("SBAbrir", window, tr("Abrir"), tr("Abrir"));
  k.Button("SBGuardar", window, tr("Guardar"), tr("Guardar"));
  k.Button("SBImpresor", window, tr("Imprimir"), tr("Imprimir"));
  k.Button("SBExportarPdf", window, tr("Exportar PDF"), tr("Guardar el informe como PDF"));
  k.Button("SBTablaEspesores", window, tr("Tabla de espesores"),
           tr("Calcula el caso para una lista de espesores de aislamiento comerciales"));
  k.Button(
      "SBInstalacion", window, tr("Instalación"),
      tr("Abre la instalación: todos los tramos de tuberías, conductos y depósitos de un edificio en un documento"));
  k.Button("SBImpresor2", window, tr("Acerca de"), tr("Acerca de Brenak"));
  k.Button("SpeedButton1", window, tr("Calcular"), tr("Calcular"));
  k.Button("SpeedButton7", window, tr("Gráfica"), tr("Gráfica"));
  k.Button("SpeedButton3", window, tr("Cerrar"), tr("Cerrar"));
  k.Button("SpeedButton2", window, tr("Placas planas"), tr("Placas planas"));
  k.Button("SpeedButton4", window, tr("Tuberías"), tr("Tuberías"));
  k.Button("SpeedButton5", window, tr("Esferas"), tr("Esferas"));
  k.Button("SpeedButton23", window, tr("Especiales"), tr("Conductos y depósitos"));
  k.Panel("PanelEspecial", window);

  // Element kind, variant, target and design conditions.
  k.Group("RGTipoPared", window, tr("Tipo de placa"),
          {tr("Vertical"), tr("Horizontal interior arriba"), tr("Horizontal interior abajo")}, 0);
  k.Group("RGTipoTuberias", window, tr("Tipo de tubería"),
          {tr("Al aire vertical"), tr("Al aire horizontal"), tr("Enterrada sin caja"), tr("Enterrada con caja")}, 0);
  k.Group("RGTipoOtros", "PanelEspecial", tr("Tipo de elemento"),
          {tr("Conductos aire"), tr("Depósito vertical"), tr("Depósito horizontal")}, 0);
  k.Group("RadioGroupCalcular", window, tr("Calcular:"), {tr("Flujo de calor"), tr("Espesor aislamiento")}, 1);
  k.Panel("PanelCondicion", window, tr("Condición de diseño"));
  k.Group("RadioGroupCondicionP", "PanelCondicion", tr("Condición"),
          {tr("Flujo de calor  (W/m2)"), tr("Pérdida calor con aislamiento (%)"),
           tr("Coef. global de trans. calor (W/m2ºC)"), tr("Espesor económico"),
           tr("Temperatura superficial exterior (ºC)"), tr("Evitar condensaciones exteriores"),
           tr("Temperatura superficial interior (ºC)"), tr("Evitar condensaciones interiores")},
          0);
  k.Group(
      "RadioGroupCondicionT", "PanelCondicion", tr("Condición"),
      {tr("Flujo de calor  (W/m)"), tr("Pérdida calor con aislamiento (%)"), tr("Resistencia térmica lineal (mºC/W)"),
       tr("Espesor económico"), tr("Temperatura superficial exterior (ºC)"), tr("Evitar condensaciones exteriores"),
       tr("Temp. final agua                   Longitud              m"),
       tr("Tiempo congelación (h)         % Congelado")},
      0);
  k.Group("RadioGroupCondicionTE", "PanelCondicion", tr("Condición"),
          {tr("Flujo de calor  (W/m)"), tr("Pérdida calor con aislamiento (%)"),
           tr("Resistencia térmica lineal (mºC/W)"), tr("Espesor económico")},
          0);
  k.Group(
      "RadioGroupCondicionE", "PanelCondicion", tr("Condición"),
      {tr("Flujo de calor  (W)"), tr("Pérdida calor con aislamiento (%)"), tr("Resistencia térmica (ºC/W)"),
       tr("Espesor económico"), tr("Temperatura superficial exterior (ºC)"), tr("Evitar condensaciones exteriores")},
      0);
  k.Group(
      "RadioGroupConductos", "PanelCondicion", tr("Condición"),
      {tr("Flujo de calor  (W/m)"), tr("Pérdida calor con aislamiento (%)"), tr("Resistencia térmica lineal (mºC/W)"),
       tr("Espesor económico"), tr("Temperatura superficial exterior (ºC)"), tr("Evitar condensaciones exteriores"),
       tr("Variación temperatura (ºC)")},
      0);
  k.Group("RadioGroupDepositos", "PanelCondicion", tr("Condición"),
          {tr("Flujo de calor  (W/m)"), tr("Pérdida calor con aislamiento (%)"), tr("Espesor económico")}, 0);
  k.Edit("EditCondicionQ", "PanelCondicion", "15");
  k.Edit("EditCondicionPor", "PanelCondicion", "5");
  k.Edit("EditCondicionRT", "PanelCondicion", "1");
  k.Edit("EditCondicionTe", "PanelCondicion", "12");
  k.Edit("EditCondicionTi", "PanelCondicion", "22");
  k.Edit("EditTf", "PanelCondicion", "22");
  k.Edit("EditLong", "PanelCondicion", "100");
  k.Edit("EditCondicionTCong", "PanelCondicion", "12");
  k.Edit("EditCondicionPorCong", "PanelCondicion", "50");
  k.Group("RadioGroupCondensacion", window, tr("Condensaciones interiores"), {tr("Estudiar "), tr("No estudiar ")}, 1);
  k.Label("LNuncaCondensa", window, tr("Nunca condensa")).visible = false;

  // Economic data.
  k.Panel("GroupBoxEco", window, tr("Datos económicos"));
  k.Edit("EditInf", "GroupBoxEco", "6");
  k.Edit("EditOpor", "GroupBoxEco", "4");
  k.Edit("EditNa", "GroupBoxEco", "15");
  k.Edit("EditNh", "GroupBoxEco", "7920");
  k.Edit("EditCET", "GroupBoxEco", "0.033");
  k.Edit("EditEsp1", "GroupBoxEco", "100");
  k.Edit("EditCI1", "GroupBoxEco", "41");
  k.Edit("EditEsp2", "GroupBoxEco", "125");
  k.Edit("EditCI2", "GroupBoxEco", "47");
  k.Label("Label29", "GroupBoxEco", tr("euros/m2"));

  // Interior side.
  k.Panel("Panel2", window, tr("Interior"));
  k.Label("Label11", "Panel2", tr("Temperatura interior     ºC"));
  k.Edit("EditTi", "Panel2", "25");
  k.Label("LabelHrI", "Panel2", tr("Humedad relativa interior  %"));
  k.Edit("EditFiI", "Panel2", "50");
  k.Group("RGhi", "Panel2", tr("Coef. convección"), {tr("Imponer"), tr("Despreciar"), tr("Calcular (aire)")}, 0);
  k.Panel("PCoefInt", "Panel2");
  k.Label("Labelhi", "PCoefInt", tr("hi        W/m2ºC"));
  k.Edit("EditCoefInt", "PCoefInt", "9");
  k.Label("Labelhci", "PCoefInt", tr("hci       W/m2ºC"));
  k.Computed("Edithci", "PCoefInt");
  k.Label("Labelhrri", "PCoefInt", tr("hri       W/m2ºC"));
  k.Computed("Edithri", "PCoefInt");
  k.Label("LabelAlthi", "PCoefInt", tr("  Altura                m"));
  k.Edit("EditAlthi", "PCoefInt", "3");
  k.Label("LabelAnchura", "PCoefInt", tr(" Anchura                m"));
  k.Edit("EditAnchura", "PCoefInt", "3");
  k.Label("Labelemisionhi", "PCoefInt", tr("Coef. emisión"));
  k.Edit("Editemisionhi", "PCoefInt", "0.9");
  k.Button("SpeedButton21", "PCoefInt", "...", tr("Elegir coef. de emisión"));
  k.Label("Labelvelhi", "PCoefInt", tr("Velocidad            m/s"));
  k.Edit("Editvelhi", "PCoefInt", "1");
  k.Label("LabelDiaInt", window, tr("Diámetro interior   mm"));
  k.Edit("Editr0", window, "125");
  k.Button("SBRadio", window, tr("Elegir diámetro"), tr("Elegir diámetro"));

  // Layer table.
  k.Label("Label19", window, tr("Aislante"));
  k.Combo("ComboBox1", window, {"1", "2", "3", "4", "5", "6"}, 0);
  k.Label("LabelResisT", window, tr("Resistencia     térmica       (m2ºC/W)"));
  k.Label("Label9", window, tr("Resistividad vapor (MN s/g m)"));
  k.Label("Label10", window, tr("Distribución Temperatura        (ºC)"));
  k.Label("LabelDistTr", window, tr("Distribución Temperatura Rocío  (ºC)"));
  k.Label("LabelTlateral", window, tr("Para la sup. lateral ºC"));
  k.Label("LT0", window);
  k.Label("LTR0", window);
  k.Computed("Edit0RT", window);
  for (int n = 1; n <= 6; ++n) {
    k.Button(N("SpeedButton", 10 + n), window, "...", tr("Elegir material"));
    k.Edit(N("ENombre", n), window, n == 1 ? QStringLiteral("Aislante 1") : N("Capa ", n)).hasState = false;
    k.Add(ControlType::RadioButton, N("RBAislante", n), window).checked = (n == 1);
    k.Edit(N("Edit", n, "e"), window).state = n == 1 ? FieldState::Computed : FieldState::Entered;
    k.Edit(N("Edit", n, "k"), window, n == 1 ? QStringLiteral("0.04") : QString());
    k.Computed(N("Edit", n, "RT"), window).readOnly = (n == 1);
    k.Edit(N("Editrv", n), window);
    k.Label(N("LT", n), window);
    k.Label(N("LTR", n), window);
  }
  k.Computed("Edit10RT", window);

  // Box of a buried pipe.
  k.Label("LabelCaja", window, tr("Canalización"));
  k.Combo("ComboBoxCaja", window, {tr("Material"), tr("Aire")}, 0);
  k.Edit("EditeCaja", window, "350");
  k.Edit("EditkCaja", window, "1");
  k.Computed("EditRTCaja", window);
  k.Label("LTCaja", window);

  // Exterior side.
  k.Label("LabelTituloExt", window, tr("Exterior"));
  k.Panel("PanelExterior", window);
  k.Label("Label12", "PanelExterior", tr("Temperatura exterior     ºC"));
  k.Edit("EditTe", "PanelExterior", "10");
  k.Label("LabelHrE", "PanelExterior", tr("Humedad relativa exterior  %"));
  k.Edit("EditFiE", "PanelExterior", "60");
  k.Group("RGhe", "PanelExterior", tr("Coef. convección"), {tr("Imponer"), tr("Despreciar"), tr("Calcular (aire)")}, 0);
  k.Panel("PCoefExt", "PanelExterior");
  k.Label("Labelhe", "PCoefExt", tr("he        W/m2ºC"));
  k.Edit("EditCoefext", "PCoefExt", "16");
  k.Label("Labelhce", "PCoefExt", tr("hce       W/m2ºC"));
  k.Computed("Edithce", "PCoefExt");
  k.Label("Labelhrre", "PCoefExt", tr("hre       W/m2ºC"));
  k.Computed("Edithre", "PCoefExt");
  k.Group("RGAmbientehe", "PCoefExt", tr("Ambiente"), {tr("Recinto cerrado"), tr("Al exterior")}, 0);
  k.Label("LabelAlthe", "PCoefExt", tr("  Altura                m"));
  k.Edit("EditAlthe", "PCoefExt", "3");
  k.Label("Labelemisionhe", "PCoefExt", tr("Coef. emisión"));
  k.Edit("Editemisionhe", "PCoefExt", "0.9");
  k.Button("SpeedButton22", "PCoefExt", "...", tr("Elegir coef. de emisión"));
  k.Label("Labelvelhe", "PCoefExt", tr("Velocidad viento     m/s"));
  k.Edit("Editvelhe", "PCoefExt", "3");

  // Soil of a buried pipe.
  k.Panel("PanelTerreno", window);
  k.Label("Label30", "PanelTerreno", tr("Temperatura suelo     ºC"));
  k.Edit("EditTsuelo", "PanelTerreno", "10");
  k.Button("SpeedButton26", "PanelTerreno", "...", tr("Elegir temperatura suelo"));
  k.Group("RadioGroupTerreno", "PanelTerreno", tr("Propiedades Terreno"), {tr("Imponer"), tr("Calcular")}, 0);
  k.Label("LabelProfundidad", "PanelTerreno", tr("Profundidad eje     m"));
  k.Edit("EditProfundidad", "PanelTerreno", "1");
  k.Label("LabelkTerreno", "PanelTerreno", tr("Conductividad   W/mºC"));
  k.Edit("EditkTerreno", "PanelTerreno", "1");
  k.Label("LabelHumedad", "PanelTerreno", tr("Humedad          %"));
  k.Edit("EditHumedad", "PanelTerreno", "10").hint = tr("Valores normales entre 5 y 30%");
  k.Label("LabelDensidad", "PanelTerreno", tr("Densidad     kg/m3"));
  k.Edit("EditDensidad", "PanelTerreno", "1400").hint = tr("Valores normales entre 1200 y 1800 kg/m3");

  // Final temperature of a flowing fluid and lengths.
  k.Group("RadioGroupTempAgua", window, tr("Estimar temperatura final"), {tr("Sí (circula agua)"), tr("No")}, 1);
  k.Group("RadioGroupTempAire", window, tr("Estimar temperatura final"), {tr("Sí (circula aire)"), tr("No")}, 1);
  k.Label("LabelLongitud", window, tr("Longitud      m"));
  k.Edit("EditLongitud", window, "3");

  // Reference and scratch field.
  k.Edit("EditReferencia", window, "Sin especificar").hasState = false;
  k.Edit("EditComodin", window).visible = false;

  // Pictures of the element.
  for (const char* name :
       {"ImagePared", "ImageSuelo", "ImageTecho", "ImageTuberia", "ImageTuberiaEnterrada", "ImageTuberiaEnterradaCaja",
        "ImageEsfera", "ImageConducto", "ImageDepositoV", "ImageDepositoH"})
    k.Picture(name, window);

  // Results.
  k.Panel("Panel5", window);
  k.Label("LabelEsp", "Panel5");
  k.Label("LabelRT", "Panel5");
  k.Label("LabelQ", "Panel5");
  k.Label("LabelRITE", "Panel5");  // the regulation's minimum thickness
  k.Panel("PanelEconomico", window).visible = false;
  for (const char* name : {"LabelEspEco", "LabelQEco", "LabelRTEco", "LabelCI", "LabelCT"})
    k.Label(name, "PanelEconomico");

  // The chart.
  k.Add(ControlType::Chart, "Chart1", window).visible = false;
  k.Button("SpeedButton6", "Chart1", tr("Cerrar"), tr("Cerrar"));

  // Welcome panel.
  k.Panel("Panel6", window);
  k.Picture("Image4", "Panel6");
  k.Picture("Image1", "Panel6");

  // Material chooser.
  k.Panel("PMateriales", window, tr("Elección de materiales")).visible = false;
  k.Group("RGAislantes", "PMateriales", tr("Aislantes"),
          {tr("Poliuretano tipo II"), tr("Poliestireno tipo V"), tr("Lana de vidrio"),
           tr("Espuma elastomérica (valor típico)"), tr("Coquilla lana de roca (valor típico)"),
           tr("Coquilla lana de vidrio (valor típico)"), tr("Espuma de polietileno (valor típico)"),
           tr("PIR (valor típico)"), tr("XPS (valor típico)")},
          0);
  // The user's own materials: the rows are their names, filled in at start.
  k.Group("RGMisMateriales", "PMateriales", tr("Mis materiales"), {}, -1);
  k.Button("SBMisMateriales", "PMateriales", tr("Aplicar"), tr("Aplicar el material propio elegido a la capa"));
  k.Group("RGMatTuberias", "PMateriales", tr("Materiales Tuberías"), {tr("Acero"), tr("Cobre"), tr("Aluminio")}, 0);
  k.Group("RGMatPlacas", "PMateriales", tr("Materiales Placas"),
          {tr("Acero"), tr("Cobre"), tr("Aluminio"), tr("Ladrillo Macizo"), tr("Ladrillo Perforado"),
           tr("Ladrillo Hueco"), tr("Enlucido yeso"), tr("Enfoscado cemento")},
          4);
  k.Button("SpeedButton10", "PMateriales", tr("Aplicar"), tr("Aplicar"));
  k.Button("SpeedButton17", "PMateriales", tr("Aplicar"), tr("Aplicar"));
  k.Button("SpeedButton20", "PMateriales", tr("Cerrar"), tr("Cerrar"));

  // Pipe size chooser.
  k.Panel("PEleccionTub", window, tr("Elección de tubería")).visible = false;
  k.Group("RGTuberias", "PEleccionTub", tr("Tuberías"),
          {tr("Acero (DN-)"), tr("Cobre blando (refrigeración) (\")"), tr("Cobre rígido (refrigeración) (\")"),
           tr("Cobre (calefacción) (mm)")},
          0);
  k.Group("RGTubAcero", "PEleccionTub", tr("Tuberías de acero"),
          {"DN 10", "DN 15", "DN 20", "DN 25", "DN 32", "DN 40", "DN 50", "DN 65", "DN 80", "DN 100", "DN 125",
           "DN 150", "DN 200", "DN 250", "DN 300"},
          5)
      .visible = false;
  k.Group("RGTubCobreBpulg", "PEleccionTub", tr("Tuberías de cobre blando"),
          {"1/4\"", "5/16\"", "3/8\"", "1/2\"", "5/8\"", "3/4\"", "7/8\"", "1\""}, 5)
      .visible = false;
  k.Group("RGTubCobreRpulg", "PEleccionTub", tr("Tuberías de cobre rígido"),
          {"5/8\"", "3/4\"", "7/8\"", "1\"", "1 1/8\"", "1 3/8\"", "1 5/8\"", "2 1/8\"", "2 5/8\"", "3 1/8\"",
           "3 5/8\"", "4 1/8\"", "5 1/8\"", "6 1/8\""},
          3)
      .visible = false;
  k.Group("RGTubCobreCalef", "PEleccionTub", tr("Tuberías de cobre rígido"),
          {"12/14", "13/15", "16/18", "20/22", "26/28", "33/35", "40/42", "51,6/54"}, 3)
      .visible = false;
  k.Button("SpeedButton8", "PEleccionTub", tr("Aplicar"), tr("Aplicar"));
  k.Button("SpeedButton9", "PEleccionTub", tr("Cerrar"), tr("Cerrar"));

  // Emission coefficient chooser.
  k.Panel("PCoefEmision", window, tr("Elección coeficiente de emisión")).visible = false;
  k.Group("RGCoefEmision", "PCoefEmision", tr("Tipo de superficie"),
          {tr("Metálica brillante"), tr("Metálica opaca"), tr("Pinturas, plásticos, ladrillos, etc."),
           tr("Pinturas metálicas"), tr("Pinturas no metálicas de color oscuro")},
          4);
  k.Button("SpeedButton24", "PCoefEmision", tr("Aplicar"), tr("Aplicar"));
  k.Button("SpeedButton25", "PCoefEmision", tr("Cerrar"), tr("Cerrar"));

  // Soil temperature table.
  k.Panel("PanelTTerreno", window, tr("Temperaturas suelo en función de la zona climática y mes")).visible = false;
  for (const char* zone : {"A", "B", "C", "D", "E"}) {
    k.Label(QStringLiteral("LabelM") + zone, "PanelTTerreno");
    k.Label(QStringLiteral("LabelO") + zone, "PanelTTerreno");
    for (int m = 1; m <= 12; ++m) k.Label(QStringLiteral("Label") + zone + QString::number(m), "PanelTTerreno");
  }
  k.Button("SpeedButton27", "PanelTTerreno", tr("Cerrar"), tr("Cerrar"));

  return k.controls;
}

QString StartText(const QString& name) {
  for (const Control& c : BuildControlCatalog())
    if (c.name == name) return c.text;
  return QString();
}
