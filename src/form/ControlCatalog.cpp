#include "form/ControlCatalog.h"

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

}  // namespace

std::vector<Control> BuildControlCatalog() {
  Catalog k;
  const QString window;

  // Toolbar.
  k.Button("SBNuevo", window, "Nuevo", "Nuevo");
  k.Button("SBAbrir", window, "Abrir", "Abrir");
  k.Button("SBGuardar", window, "Guardar", "Guardar");
  k.Button("SBImpresor", window, "Imprimir", "Imprimir");
  k.Button("SBExportarPdf", window, "Exportar PDF", "Guardar el informe como PDF");
  k.Button("SBTablaEspesores", window, "Tabla de espesores",
           "Calcula el caso para una lista de espesores de aislamiento comerciales");
  k.Button("SBInstalacion", window, "Instalación",
           "Abre la instalación: todos los tramos de tuberías, conductos y depósitos de un edificio en un documento");
  k.Button("SBImpresor2", window, "Acerca de", "Acerca de Brenak");
  k.Button("SpeedButton1", window, "Calcular", "Calcular");
  k.Button("SpeedButton7", window, "Gráfica", "Gráfica");
  k.Button("SpeedButton3", window, "Cerrar", "Cerrar");
  k.Button("SpeedButton2", window, "Placas planas", "Placas planas");
  k.Button("SpeedButton4", window, "Tuberías", "Tuberías");
  k.Button("SpeedButton5", window, "Esferas", "Esferas");
  k.Button("SpeedButton23", window, "Especiales", "Conductos y depósitos");
  k.Panel("PanelEspecial", window);

  // Element kind, variant, target and design conditions.
  k.Group("RGTipoPared", window, "Tipo de placa", {"Vertical", "Horizontal interior arriba", "Horizontal interior abajo"}, 0);
  k.Group("RGTipoTuberias", window, "Tipo de tubería",
          {"Al aire vertical", "Al aire horizontal", "Enterrada sin caja", "Enterrada con caja"}, 0);
  k.Group("RGTipoOtros", "PanelEspecial", "Tipo de elemento", {"Conductos aire", "Depósito vertical", "Depósito horizontal"}, 0);
  k.Group("RadioGroupCalcular", window, "Calcular:", {"Flujo de calor", "Espesor aislamiento"}, 1);
  k.Panel("PanelCondicion", window, "Condición de diseño");
  k.Group("RadioGroupCondicionP", "PanelCondicion", "Condición",
          {"Flujo de calor  (W/m2)", "Pérdida calor con aislamiento (%)", "Coef. global de trans. calor (W/m2ºC)",
           "Espesor económico", "Temperatura superficial exterior (ºC)", "Evitar condensaciones exteriores",
           "Temperatura superficial interior (ºC)", "Evitar condensaciones interiores"}, 0);
  k.Group("RadioGroupCondicionT", "PanelCondicion", "Condición",
          {"Flujo de calor  (W/m)", "Pérdida calor con aislamiento (%)", "Resistencia térmica lineal (mºC/W)",
           "Espesor económico", "Temperatura superficial exterior (ºC)", "Evitar condensaciones exteriores",
           "Temp. final agua                   Longitud              m", "Tiempo congelación (h)         % Congelado"}, 0);
  k.Group("RadioGroupCondicionTE", "PanelCondicion", "Condición",
          {"Flujo de calor  (W/m)", "Pérdida calor con aislamiento (%)", "Resistencia térmica lineal (mºC/W)",
           "Espesor económico"}, 0);
  k.Group("RadioGroupCondicionE", "PanelCondicion", "Condición",
          {"Flujo de calor  (W)", "Pérdida calor con aislamiento (%)", "Resistencia térmica (ºC/W)", "Espesor económico",
           "Temperatura superficial exterior (ºC)", "Evitar condensaciones exteriores"}, 0);
  k.Group("RadioGroupConductos", "PanelCondicion", "Condición",
          {"Flujo de calor  (W/m)", "Pérdida calor con aislamiento (%)", "Resistencia térmica lineal (mºC/W)",
           "Espesor económico", "Temperatura superficial exterior (ºC)", "Evitar condensaciones exteriores",
           "Variación temperatura (ºC)"}, 0);
  k.Group("RadioGroupDepositos", "PanelCondicion", "Condición",
          {"Flujo de calor  (W/m)", "Pérdida calor con aislamiento (%)", "Espesor económico"}, 0);
  k.Edit("EditCondicionQ", "PanelCondicion", "15");
  k.Edit("EditCondicionPor", "PanelCondicion", "5");
  k.Edit("EditCondicionRT", "PanelCondicion", "1");
  k.Edit("EditCondicionTe", "PanelCondicion", "12");
  k.Edit("EditCondicionTi", "PanelCondicion", "22");
  k.Edit("EditTf", "PanelCondicion", "22");
  k.Edit("EditLong", "PanelCondicion", "100");
  k.Edit("EditCondicionTCong", "PanelCondicion", "12");
  k.Edit("EditCondicionPorCong", "PanelCondicion", "50");
  k.Group("RadioGroupCondensacion", window, "Condensaciones interiores", {"Estudiar ", "No estudiar "}, 1);
  k.Label("LNuncaCondensa", window, "Nunca condensa").visible = false;

  // Economic data.
  k.Panel("GroupBoxEco", window, "Datos económicos");
  k.Edit("EditInf", "GroupBoxEco", "6");
  k.Edit("EditOpor", "GroupBoxEco", "4");
  k.Edit("EditNa", "GroupBoxEco", "15");
  k.Edit("EditNh", "GroupBoxEco", "7920");
  k.Edit("EditCET", "GroupBoxEco", "0.033");
  k.Edit("EditEsp1", "GroupBoxEco", "100");
  k.Edit("EditCI1", "GroupBoxEco", "41");
  k.Edit("EditEsp2", "GroupBoxEco", "125");
  k.Edit("EditCI2", "GroupBoxEco", "47");
  k.Label("Label29", "GroupBoxEco", "euros/m2");

  // Interior side.
  k.Panel("Panel2", window, "Interior");
  k.Label("Label11", "Panel2", "Temperatura interior     ºC");
  k.Edit("EditTi", "Panel2", "25");
  k.Label("LabelHrI", "Panel2", "Humedad relativa interior  %");
  k.Edit("EditFiI", "Panel2", "50");
  k.Group("RGhi", "Panel2", "Coef. convección", {"Imponer", "Despreciar", "Calcular (aire)"}, 0);
  k.Panel("PCoefInt", "Panel2");
  k.Label("Labelhi", "PCoefInt", "hi        W/m2ºC");
  k.Edit("EditCoefInt", "PCoefInt", "9");
  k.Label("Labelhci", "PCoefInt", "hci       W/m2ºC");
  k.Computed("Edithci", "PCoefInt");
  k.Label("Labelhrri", "PCoefInt", "hri       W/m2ºC");
  k.Computed("Edithri", "PCoefInt");
  k.Label("LabelAlthi", "PCoefInt", "  Altura                m");
  k.Edit("EditAlthi", "PCoefInt", "3");
  k.Label("LabelAnchura", "PCoefInt", " Anchura                m");
  k.Edit("EditAnchura", "PCoefInt", "3");
  k.Label("Labelemisionhi", "PCoefInt", "Coef. emisión");
  k.Edit("Editemisionhi", "PCoefInt", "0.9");
  k.Button("SpeedButton21", "PCoefInt", "...", "Elegir coef. de emisión");
  k.Label("Labelvelhi", "PCoefInt", "Velocidad            m/s");
  k.Edit("Editvelhi", "PCoefInt", "1");
  k.Label("LabelDiaInt", window, "Diámetro interior   mm");
  k.Edit("Editr0", window, "125");
  k.Button("SBRadio", window, "Elegir diámetro", "Elegir diámetro");

  // Layer table.
  k.Label("Label19", window, "Aislante");
  k.Combo("ComboBox1", window, {"1", "2", "3", "4", "5", "6"}, 0);
  k.Label("LabelResisT", window, "Resistencia     térmica       (m2ºC/W)");
  k.Label("Label9", window, "Resistividad vapor (MN s/g m)");
  k.Label("Label10", window, "Distribución Temperatura        (ºC)");
  k.Label("LabelDistTr", window, "Distribución Temperatura Rocío  (ºC)");
  k.Label("LabelTlateral", window, "Para la sup. lateral ºC");
  k.Label("LT0", window);
  k.Label("LTR0", window);
  k.Computed("Edit0RT", window);
  for (int n = 1; n <= 6; ++n) {
    k.Button(N("SpeedButton", 10 + n), window, "...", "Elegir material");
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
  k.Label("LabelCaja", window, "Canalización");
  k.Combo("ComboBoxCaja", window, {"Material", "Aire"}, 0);
  k.Edit("EditeCaja", window, "350");
  k.Edit("EditkCaja", window, "1");
  k.Computed("EditRTCaja", window);
  k.Label("LTCaja", window);

  // Exterior side.
  k.Label("LabelTituloExt", window, "Exterior");
  k.Panel("PanelExterior", window);
  k.Label("Label12", "PanelExterior", "Temperatura exterior     ºC");
  k.Edit("EditTe", "PanelExterior", "10");
  k.Label("LabelHrE", "PanelExterior", "Humedad relativa exterior  %");
  k.Edit("EditFiE", "PanelExterior", "60");
  k.Group("RGhe", "PanelExterior", "Coef. convección", {"Imponer", "Despreciar", "Calcular (aire)"}, 0);
  k.Panel("PCoefExt", "PanelExterior");
  k.Label("Labelhe", "PCoefExt", "he        W/m2ºC");
  k.Edit("EditCoefext", "PCoefExt", "16");
  k.Label("Labelhce", "PCoefExt", "hce       W/m2ºC");
  k.Computed("Edithce", "PCoefExt");
  k.Label("Labelhrre", "PCoefExt", "hre       W/m2ºC");
  k.Computed("Edithre", "PCoefExt");
  k.Group("RGAmbientehe", "PCoefExt", "Ambiente", {"Recinto cerrado", "Al exterior"}, 0);
  k.Label("LabelAlthe", "PCoefExt", "  Altura                m");
  k.Edit("EditAlthe", "PCoefExt", "3");
  k.Label("Labelemisionhe", "PCoefExt", "Coef. emisión");
  k.Edit("Editemisionhe", "PCoefExt", "0.9");
  k.Button("SpeedButton22", "PCoefExt", "...", "Elegir coef. de emisión");
  k.Label("Labelvelhe", "PCoefExt", "Velocidad viento     m/s");
  k.Edit("Editvelhe", "PCoefExt", "3");

  // Soil of a buried pipe.
  k.Panel("PanelTerreno", window);
  k.Label("Label30", "PanelTerreno", "Temperatura suelo     ºC");
  k.Edit("EditTsuelo", "PanelTerreno", "10");
  k.Button("SpeedButton26", "PanelTerreno", "...", "Elegir temperatura suelo");
  k.Group("RadioGroupTerreno", "PanelTerreno", "Propiedades Terreno", {"Imponer", "Calcular"}, 0);
  k.Label("LabelProfundidad", "PanelTerreno", "Profundidad eje     m");
  k.Edit("EditProfundidad", "PanelTerreno", "1");
  k.Label("LabelkTerreno", "PanelTerreno", "Conductividad   W/mºC");
  k.Edit("EditkTerreno", "PanelTerreno", "1");
  k.Label("LabelHumedad", "PanelTerreno", "Humedad          %");
  k.Edit("EditHumedad", "PanelTerreno", "10").hint = "Valores normales entre 5 y 30%";
  k.Label("LabelDensidad", "PanelTerreno", "Densidad     kg/m3");
  k.Edit("EditDensidad", "PanelTerreno", "1400").hint = "Valores normales entre 1200 y 1800 kg/m3";

  // Final temperature of a flowing fluid and lengths.
  k.Group("RadioGroupTempAgua", window, "Estimar temperatura final", {"Sí (circula agua)", "No"}, 1);
  k.Group("RadioGroupTempAire", window, "Estimar temperatura final", {"Sí (circula aire)", "No"}, 1);
  k.Label("LabelLongitud", window, "Longitud      m");
  k.Edit("EditLongitud", window, "3");

  // Reference and scratch field.
  k.Edit("EditReferencia", window, "Sin especificar").hasState = false;
  k.Edit("EditComodin", window).visible = false;

  // Pictures of the element.
  for (const char* name : {"ImagePared", "ImageSuelo", "ImageTecho", "ImageTuberia", "ImageTuberiaEnterrada",
                           "ImageTuberiaEnterradaCaja", "ImageEsfera", "ImageConducto", "ImageDepositoV",
                           "ImageDepositoH"})
    k.Picture(name, window);

  // Results.
  k.Panel("Panel5", window);
  k.Label("LabelEsp", "Panel5");
  k.Label("LabelRT", "Panel5");
  k.Label("LabelQ", "Panel5");
  k.Label("LabelRITE", "Panel5");  // the regulation's minimum thickness
  k.Panel("PanelEconomico", window).visible = false;
  for (const char* name : {"LabelEspEco", "LabelQEco", "LabelRTEco", "LabelCI", "LabelCT"}) k.Label(name, "PanelEconomico");

  // The chart.
  k.Add(ControlType::Chart, "Chart1", window).visible = false;
  k.Button("SpeedButton6", "Chart1", "Cerrar", "Cerrar");

  // Welcome panel.
  k.Panel("Panel6", window);
  k.Picture("Image4", "Panel6");
  k.Picture("Image1", "Panel6");

  // Material chooser.
  k.Panel("PMateriales", window, "Elección de materiales").visible = false;
  k.Group("RGAislantes", "PMateriales", "Aislantes",
          {"Poliuretano tipo II", "Poliestireno tipo V", "Lana de vidrio", "Espuma elastomérica (valor típico)",
           "Coquilla lana de roca (valor típico)", "Coquilla lana de vidrio (valor típico)",
           "Espuma de polietileno (valor típico)", "PIR (valor típico)", "XPS (valor típico)"},
          0);
  // The user's own materials: the rows are their names, filled in at start.
  k.Group("RGMisMateriales", "PMateriales", "Mis materiales", {}, -1);
  k.Button("SBMisMateriales", "PMateriales", "Aplicar", "Aplicar el material propio elegido a la capa");
  k.Group("RGMatTuberias", "PMateriales", "Materiales Tuberías", {"Acero", "Cobre", "Aluminio"}, 0);
  k.Group("RGMatPlacas", "PMateriales", "Materiales Placas",
          {"Acero", "Cobre", "Aluminio", "Ladrillo Macizo", "Ladrillo Perforado", "Ladrillo Hueco", "Enlucido yeso",
           "Enfoscado cemento"}, 4);
  k.Button("SpeedButton10", "PMateriales", "Aplicar", "Aplicar");
  k.Button("SpeedButton17", "PMateriales", "Aplicar", "Aplicar");
  k.Button("SpeedButton20", "PMateriales", "Cerrar", "Cerrar");

  // Pipe size chooser.
  k.Panel("PEleccionTub", window, "Elección de tubería").visible = false;
  k.Group("RGTuberias", "PEleccionTub", "Tuberías",
          {"Acero (DN-)", "Cobre blando (refrigeración) (\")", "Cobre rígido (refrigeración) (\")",
           "Cobre (calefacción) (mm)"}, 0);
  k.Group("RGTubAcero", "PEleccionTub", "Tuberías de acero",
          {"DN 10", "DN 15", "DN 20", "DN 25", "DN 32", "DN 40", "DN 50", "DN 65", "DN 80", "DN 100", "DN 125",
           "DN 150", "DN 200", "DN 250", "DN 300"}, 5).visible = false;
  k.Group("RGTubCobreBpulg", "PEleccionTub", "Tuberías de cobre blando",
          {"1/4\"", "5/16\"", "3/8\"", "1/2\"", "5/8\"", "3/4\"", "7/8\"", "1\""}, 5).visible = false;
  k.Group("RGTubCobreRpulg", "PEleccionTub", "Tuberías de cobre rígido",
          {"5/8\"", "3/4\"", "7/8\"", "1\"", "1 1/8\"", "1 3/8\"", "1 5/8\"", "2 1/8\"", "2 5/8\"", "3 1/8\"",
           "3 5/8\"", "4 1/8\"", "5 1/8\"", "6 1/8\""}, 3).visible = false;
  k.Group("RGTubCobreCalef", "PEleccionTub", "Tuberías de cobre rígido",
          {"12/14", "13/15", "16/18", "20/22", "26/28", "33/35", "40/42", "51,6/54"}, 3).visible = false;
  k.Button("SpeedButton8", "PEleccionTub", "Aplicar", "Aplicar");
  k.Button("SpeedButton9", "PEleccionTub", "Cerrar", "Cerrar");

  // Emission coefficient chooser.
  k.Panel("PCoefEmision", window, "Elección coeficiente de emisión").visible = false;
  k.Group("RGCoefEmision", "PCoefEmision", "Tipo de superficie",
          {"Metálica brillante", "Metálica opaca", "Pinturas, plásticos, ladrillos, etc.", "Pinturas metálicas",
           "Pinturas no metálicas de color oscuro"}, 4);
  k.Button("SpeedButton24", "PCoefEmision", "Aplicar", "Aplicar");
  k.Button("SpeedButton25", "PCoefEmision", "Cerrar", "Cerrar");

  // Soil temperature table.
  k.Panel("PanelTTerreno", window, "Temperaturas suelo en función de la zona climática y mes").visible = false;
  for (const char* zone : {"A", "B", "C", "D", "E"}) {
    k.Label(QStringLiteral("LabelM") + zone, "PanelTTerreno");
    k.Label(QStringLiteral("LabelO") + zone, "PanelTTerreno");
    for (int m = 1; m <= 12; ++m) k.Label(QStringLiteral("Label") + zone + QString::number(m), "PanelTTerreno");
  }
  k.Button("SpeedButton27", "PanelTTerreno", "Cerrar", "Cerrar");

  return k.controls;
}

QString StartText(const QString& name) {
  for (const Control& c : BuildControlCatalog())
    if (c.name == name) return c.text;
  return QString();
}
