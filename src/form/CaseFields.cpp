// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/CaseFields.h"

#include <QCoreApplication>
#include <QHash>
#include <deque>

namespace {

using enum CaseValueType;
using enum CaseUnit;

struct TableBuilder {
  std::vector<CaseField> fields;

  CaseField& Add(const char* control, CaseValueType type) {
    CaseField f;
    f.control = control;
    f.record = static_cast<int>(fields.size()) + 1;
    f.type = type;
    fields.push_back(f);
    return fields.back();
  }
  void Text(const char* control, QString Case::*member, const char* kind, const char* meaning, CaseUnit unit) {
    CaseField& f = Add(control, CaseValueType::Text);
    f.text = member;
    f.valueKind = kind;
    f.meaning = meaning;
    f.unit = unit;
  }
  void List(const char* control, int Case::*member, int rows, const char* meaning) {
    CaseField& f = Add(control, Row);
    f.row = member;
    f.rows = rows;
    f.meaning = meaning;
  }
  void Condition(const char* control, ConditionList list, int rows) {
    CaseField& f = Add(control, Row);
    f.conditionList = static_cast<int>(list);
    f.rows = rows;
    f.meaning = QT_TRANSLATE_NOOP("CaseFields", "Condición de diseño");
  }
  void LayerText(int layer, const char* prefix, const char* suffix, QString CaseLayer::*member, const char* kind,
                 const char* meaning, CaseUnit unit) {
    // The control names of a row live as long as the table: a deque never
    // moves what it holds.
    static std::deque<QByteArray> names;
    names.push_back(QByteArray(prefix) + QByteArray::number(layer) + QByteArray(suffix));
    CaseField& f = Add(names.back().constData(), CaseValueType::Text);
    f.layer = layer;
    f.layerText = member;
    f.valueKind = kind;
    f.meaning = meaning;
    f.unit = unit;
  }
  void LayerMark(int layer) {
    static std::deque<QByteArray> names;
    names.push_back(QByteArray("RBAislante") + QByteArray::number(layer));
    CaseField& f = Add(names.back().constData(), Mark);
    f.layer = layer;
    f.layerMark = &CaseLayer::insulation;
    f.meaning = QT_TRANSLATE_NOOP("CaseFields", "Capa de aislamiento");
  }
  void Layer(int n, bool nameFirst) {
    if (nameFirst) {
      LayerText(n, "ENombre", "", &CaseLayer::name, nullptr, QT_TRANSLATE_NOOP("CaseFields", "Nombre de la capa"),
                None);
      LayerMark(n);
    } else {
      LayerMark(n);
      LayerText(n, "ENombre", "", &CaseLayer::name, nullptr, QT_TRANSLATE_NOOP("CaseFields", "Nombre de la capa"),
                None);
    }
    LayerText(n, "Edit", "e", &CaseLayer::thickness, "Espesor", QT_TRANSLATE_NOOP("CaseFields", "Espesor de la capa"),
              Millimetre);
    LayerText(n, "Edit", "k", &CaseLayer::conductivity, "Conductividad",
              QT_TRANSLATE_NOOP("CaseFields", "Conductividad de la capa"), Conductivity);
    LayerText(n, "Edit", "RT", &CaseLayer::resistance, "ResistenciaT",
              QT_TRANSLATE_NOOP("CaseFields", "Resistencia térmica de la capa"), LayerResistance);
    LayerText(n, "Editrv", "", &CaseLayer::vapourResistivity, "ResistividadV",
              QT_TRANSLATE_NOOP("CaseFields", "Resistividad al vapor de la capa"), VapourResistivity);
  }
};

std::vector<CaseField> BuildFields() {
  TableBuilder t;
  t.fields.reserve(98);
  t.Text("EditReferencia", &Case::reference, nullptr, QT_TRANSLATE_NOOP("CaseFields", "Referencia"), None);  // 1
  t.Text("EditTi", &Case::interiorTemperature, "Temperatura", QT_TRANSLATE_NOOP("CaseFields", "Temperatura interior"),
         Celsius);  // 2
  t.Text("EditFiI", &Case::interiorHumidity, "Porcentaje", QT_TRANSLATE_NOOP("CaseFields", "Humedad relativa interior"),
         Percent);  // 3
  t.Text("EditCoefInt", &Case::interiorCoefficient, "CoeficienteConv",
         QT_TRANSLATE_NOOP("CaseFields", "Coeficiente superficial interior hi"),
         SurfaceCoefficient);  // 4
  t.Text("Editr0", &Case::interiorDiameter, "Radio", QT_TRANSLATE_NOOP("CaseFields", "Diámetro interior"),
         Millimetre);                                                                                    // 5
  t.List("ComboBox1", &Case::layerCount, 6, QT_TRANSLATE_NOOP("CaseFields", "Número de capas"));         // 6
  for (int n = 1; n <= 6; ++n) t.Layer(n, n == 1);                                                       // 7-42
  t.List("ComboBoxCaja", &Case::boxMaterial, 2, QT_TRANSLATE_NOOP("CaseFields", "Relleno de la caja"));  // 43
  t.Text("EditeCaja", &Case::boxSize, "Espesor", QT_TRANSLATE_NOOP("CaseFields", "Dimensión de la caja"),
         Millimetre);  // 44
  t.Text("EditkCaja", &Case::boxConductivity, "Conductividad",
         QT_TRANSLATE_NOOP("CaseFields", "Conductividad del material de la caja"),
         Conductivity);  // 45
  t.Text("EditRTCaja", &Case::boxResistance, "ResistenciaT",
         QT_TRANSLATE_NOOP("CaseFields", "Resistencia térmica de la caja"), BoxResistance);  // 46
  t.Text("EditTe", &Case::exteriorTemperature, "Temperatura", QT_TRANSLATE_NOOP("CaseFields", "Temperatura exterior"),
         Celsius);  // 47
  t.Text("EditFiE", &Case::exteriorHumidity, "Porcentaje", QT_TRANSLATE_NOOP("CaseFields", "Humedad relativa exterior"),
         Percent);  // 48
  t.Text("EditCoefext", &Case::exteriorCoefficient, "CoeficienteConv",
         QT_TRANSLATE_NOOP("CaseFields", "Coeficiente superficial exterior he"),
         SurfaceCoefficient);                                                                       // 49
  t.List("RGhi", &Case::interiorMode, 3, QT_TRANSLATE_NOOP("CaseFields", "Coeficiente interior"));  // 50
  t.Text("EditAnchura", &Case::ductWidth, "Altura", QT_TRANSLATE_NOOP("CaseFields", "Anchura del conducto"),
         Metre);                                                                                           // 51
  t.Text("EditAlthi", &Case::interiorHeight, "Altura", QT_TRANSLATE_NOOP("CaseFields", "Altura"), Metre);  // 52
  t.Text("Editemisionhi", &Case::interiorEmissivity, "Emision",
         QT_TRANSLATE_NOOP("CaseFields", "Coeficiente de emisión de la superficie interior"),
         None);  // 53
  t.Text("Editvelhi", &Case::interiorVelocity, "Velocidad",
         QT_TRANSLATE_NOOP("CaseFields", "Velocidad del fluido interior"), MetrePerSecond);                // 54
  t.List("RGhe", &Case::exteriorMode, 3, QT_TRANSLATE_NOOP("CaseFields", "Coeficiente exterior"));         // 55
  t.List("RGAmbientehe", &Case::surroundings, 2, QT_TRANSLATE_NOOP("CaseFields", "Ambiente"));             // 56
  t.Text("EditAlthe", &Case::exteriorLength, "Altura", QT_TRANSLATE_NOOP("CaseFields", "Altura"), Metre);  // 57
  t.Text("Editemisionhe", &Case::exteriorEmissivity, "Emision",
         QT_TRANSLATE_NOOP("CaseFields", "Coeficiente de emisión de la superficie exterior"),
         None);  // 58
  t.Text("Editvelhe", &Case::exteriorVelocity, "Velocidad", QT_TRANSLATE_NOOP("CaseFields", "Velocidad del viento"),
         MetrePerSecond);                                                                                       // 59
  t.List("RadioGroupTerreno", &Case::soilMode, 2, QT_TRANSLATE_NOOP("CaseFields", "Propiedades del terreno"));  // 60
  t.Text("EditTsuelo", &Case::soilTemperature, "Temperatura", QT_TRANSLATE_NOOP("CaseFields", "Temperatura del suelo"),
         Celsius);  // 61
  t.Text("EditDensidad", &Case::soilDensity, "Densidad", QT_TRANSLATE_NOOP("CaseFields", "Densidad del terreno"),
         Density);  // 62
  t.Text("EditProfundidad", &Case::depth, "Altura",
         QT_TRANSLATE_NOOP("CaseFields", "Profundidad del eje de la tubería"), Metre);  // 63
  t.Text("EditHumedad", &Case::soilHumidity, "Porcentaje", QT_TRANSLATE_NOOP("CaseFields", "Humedad del terreno"),
         Percent);  // 64
  t.Text("EditkTerreno", &Case::soilConductivity, "Conductividad",
         QT_TRANSLATE_NOOP("CaseFields", "Conductividad del terreno"), Conductivity);  // 65
  t.Add("", Kind).meaning = QT_TRANSLATE_NOOP("CaseFields", "Elemento");               // 66
  t.Text("EditCondicionQ", &Case::wantedHeatFlow, "Calor",
         QT_TRANSLATE_NOOP("CaseFields", "Flujo de calor que se desea transferir"),
         WantedHeatFlow);  // 67
  t.Text("EditCondicionPor", &Case::wantedPercentage, "Porcentaje",
         QT_TRANSLATE_NOOP("CaseFields", "Flujo de calor con aislamiento, respecto al de la superficie desnuda"),
         Percent);  // 68
  t.Text("EditCondicionRT", &Case::wantedResistance, "ResistenciaT",
         QT_TRANSLATE_NOOP("CaseFields", "Resistencia térmica que se desea"),
         WantedResistance);  // 69
  t.Text("EditCondicionTe", &Case::wantedExteriorSurface, "Temperatura",
         QT_TRANSLATE_NOOP("CaseFields", "Temperatura superficial exterior deseada"),
         Celsius);  // 70
  t.Text("EditCondicionTi", &Case::wantedInteriorSurface, nullptr,
         QT_TRANSLATE_NOOP("CaseFields", "Temperatura superficial interior deseada"),
         Celsius);  // 71
  t.Text("EditCondicionTCong", &Case::freezingHours, "Horas",
         QT_TRANSLATE_NOOP("CaseFields", "Tiempo hasta la congelación"), Hours);  // 72
  t.Text("EditCondicionPorCong", &Case::frozenPercentage, "Porcentaje",
         QT_TRANSLATE_NOOP("CaseFields", "Parte del agua congelada en ese tiempo"),
         Percent);  // 73
  t.Text("EditTf", &Case::wantedFinalTemperature, "Temperatura",
         QT_TRANSLATE_NOOP("CaseFields", "Temperatura final del agua"), Celsius);  // 74
  t.Text("EditLong", &Case::finalTemperatureLength, "Longitud",
         QT_TRANSLATE_NOOP("CaseFields", "Longitud de la tubería"), Metre);                            // 75
  t.Text("EditLongitud", &Case::length, nullptr, QT_TRANSLATE_NOOP("CaseFields", "Longitud"), Metre);  // 76
  t.List("RadioGroupTempAire", &Case::airEstimateRow, 2,
         QT_TRANSLATE_NOOP("CaseFields", "Temperatura final del aire"));  // 77
  t.List("RadioGroupTempAgua", &Case::waterEstimateRow, 2,
         QT_TRANSLATE_NOOP("CaseFields", "Temperatura final del agua"));  // 78
  t.List("RadioGroupCondensacion", &Case::condensationRow, 2,
         QT_TRANSLATE_NOOP("CaseFields", "Condensaciones interiores"));  // 79
  t.Text("EditInf", &Case::inflation, "Porcentaje", QT_TRANSLATE_NOOP("CaseFields", "Inflación del combustible"),
         Percent);  // 80
  t.Text("EditCET", &Case::energyCost, "CosteEnerg", QT_TRANSLATE_NOOP("CaseFields", "Coste de la energía térmica"),
         EurosPerKwh);  // 81
  t.Text("EditOpor", &Case::opportunity, "Porcentaje",
         QT_TRANSLATE_NOOP("CaseFields", "Coste de oportunidad del dinero"), Percent);  // 82
  t.Text("EditNa", &Case::lifeYears, "Anos", QT_TRANSLATE_NOOP("CaseFields", "Años de vida de la instalación"),
         Years);  // 83
  t.Text("EditNh", &Case::hoursPerYear, "Horas", QT_TRANSLATE_NOOP("CaseFields", "Horas de funcionamiento al año"),
         Hours);  // 84
  t.Text("EditCI1", &Case::cost1, "Coste",
         QT_TRANSLATE_NOOP("CaseFields", "Coste del aislamiento con el primer espesor"), EurosPerSquareMetre);  // 85
  t.Text("EditEsp1", &Case::thickness1, "Espesor", QT_TRANSLATE_NOOP("CaseFields", "Primer espesor de coste conocido"),
         Millimetre);  // 86
  t.Text("EditCI2", &Case::cost2, "Coste",
         QT_TRANSLATE_NOOP("CaseFields", "Coste del aislamiento con el segundo espesor"), EurosPerSquareMetre);  // 87
  t.Text("EditEsp2", &Case::thickness2, "Espesor", QT_TRANSLATE_NOOP("CaseFields", "Segundo espesor de coste conocido"),
         Millimetre);                                                                                    // 88
  t.Condition("RadioGroupCondicionP", ConditionList::Plate, 8);                                          // 89
  t.Condition("RadioGroupCondicionT", ConditionList::PipeInAir, 8);                                      // 90
  t.Condition("RadioGroupCondicionTE", ConditionList::BuriedPipe, 4);                                    // 91
  t.Condition("RadioGroupCondicionE", ConditionList::Sphere, 6);                                         // 92
  t.Condition("RadioGroupConductos", ConditionList::Duct, 7);                                            // 93
  t.Condition("RadioGroupDepositos", ConditionList::Tank, 3);                                            // 94
  t.List("RadioGroupCalcular", &Case::target, 2, QT_TRANSLATE_NOOP("CaseFields", "Calcular"));           // 95
  t.List("RGTipoPared", &Case::plateOrientation, 3, QT_TRANSLATE_NOOP("CaseFields", "Tipo de placa"));   // 96
  t.List("RGTipoTuberias", &Case::pipePlacing, 4, QT_TRANSLATE_NOOP("CaseFields", "Tipo de tubería"));   // 97
  t.List("RGTipoOtros", &Case::specialVariant, 3, QT_TRANSLATE_NOOP("CaseFields", "Tipo de elemento"));  // 98
  return t.fields;
}

int* RowIn(Case& c, const CaseField& field) {
  if (field.row) return &(c.*field.row);
  if (field.conditionList >= 0) return &c.conditionRows[field.conditionList];
  return nullptr;
}

}  // namespace

ConditionList Case::Conditions() const {
  switch (kind) {
    case GeometryKind::Plate: return ConditionList::Plate;
    case GeometryKind::Pipe: return IsBuriedPipe() ? ConditionList::BuriedPipe : ConditionList::PipeInAir;
    case GeometryKind::Sphere: return ConditionList::Sphere;
    case GeometryKind::Special: return IsDuct() ? ConditionList::Duct : ConditionList::Tank;
  }
  return ConditionList::Plate;
}

int Case::MarkRow() const {
  for (int n = kMaxLayers; n >= 1; --n)
    if (layers[n - 1].insulation) return n;
  return 0;
}

int Case::MarkedLayer() const {
  const int row = MarkRow();
  return row <= LayerCount() ? row : 0;
}

const std::vector<CaseField>& CaseFields() {
  static const std::vector<CaseField> fields = BuildFields();
  return fields;
}

const CaseField* FindCaseField(const QString& control) {
  static const QHash<QString, int> index = [] {
    QHash<QString, int> h;
    const auto& fields = CaseFields();
    for (int i = 0; i < static_cast<int>(fields.size()); ++i)
      if (fields[i].control[0] != '\0') h.insert(QString::fromLatin1(fields[i].control), i);
    return h;
  }();
  const auto found = index.constFind(control);
  return found == index.constEnd() ? nullptr : &CaseFields()[*found];
}

QString CaseText(const Case& c, const CaseField& field) {
  if (field.type != Text) return {};
  if (field.layer) return c.layers[field.layer - 1].*field.layerText;
  return c.*field.text;
}

void SetCaseText(Case& c, const CaseField& field, const QString& text) {
  if (field.type != Text) return;
  if (field.layer)
    c.layers[field.layer - 1].*field.layerText = text;
  else
    c.*field.text = text;
}

int CaseInteger(const Case& c, const CaseField& field) {
  switch (field.type) {
    case Text: return 0;
    case Mark: return (c.layers[field.layer - 1].*field.layerMark) ? 1 : 0;
    case Kind: return static_cast<int>(c.kind);
    case Row:
      // The number of layers is kept as a count, its list shows it from 1.
      if (field.row == &Case::layerCount) return c.layerCount - 1;
      return *RowIn(const_cast<Case&>(c), field);
  }
  return 0;
}

void SetCaseInteger(Case& c, const CaseField& field, int value) {
  switch (field.type) {
    case Text: return;
    case Mark: c.layers[field.layer - 1].*field.layerMark = value != 0; return;
    case Kind: c.kind = static_cast<GeometryKind>(value); return;
    case Row:
      if (field.row == &Case::layerCount)
        c.layerCount = value + 1;
      else
        *RowIn(c, field) = value;
      return;
  }
}

QString UnitText(const Case& c, CaseUnit unit) {
  switch (unit) {
    case None: return {};
    case Celsius: return QStringLiteral("ºC");
    case Percent: return QStringLiteral("%");
    case SurfaceCoefficient: return QStringLiteral("W/m2ºC");
    case Metre: return QStringLiteral("m");
    case Millimetre: return QStringLiteral("mm");
    case MetrePerSecond: return QStringLiteral("m/s");
    case Conductivity: return QStringLiteral("W/mºC");
    case LayerResistance:
      if (c.IsPlate() || c.IsDuct()) return QStringLiteral("m2ºC/W");
      return c.IsSphere() ? QStringLiteral("ºC/W") : QStringLiteral("mºC/W");
    case BoxResistance: return QStringLiteral("mºC/W");
    case VapourResistivity: return QStringLiteral("MN s/g m");
    case Density: return QStringLiteral("kg/m3");
    case Hours: return QStringLiteral("h");
    case Years: return QCoreApplication::translate("CaseFields", "años");
    case EurosPerKwh: return QStringLiteral("euros/kWh");
    case EurosPerSquareMetre: return QStringLiteral("euros/m2");
    case WantedHeatFlow:
      if (c.IsPlate()) return QStringLiteral("W/m2");
      return c.IsSphere() ? QStringLiteral("W") : QStringLiteral("W/m");
    case WantedResistance:
      if (c.IsPlate()) return QStringLiteral("W/m2ºC");
      return c.IsSphere() ? QStringLiteral("ºC/W") : QStringLiteral("mºC/W");
  }
  return {};
}

QString FieldMeaningText(const CaseField& field) {
  if (field.meaning[0] == '\0') return {};
  return QCoreApplication::translate("CaseFields", field.meaning);
}
