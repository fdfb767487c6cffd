// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/FieldDescription.h"

#include "checking/FieldValidation.h"
#include "form/CaseFields.h"
#include "form/NumberFormat.h"
#include "form/WindowCase.h"
#include "form/WindowState.h"

#include <QHash>
#include <cmath>

namespace {

// What a field means and its unit, for the fields whose words do not follow
// the element on the window.
const QHash<QString, FieldMeaning>& FixedMeanings() {
  static const QHash<QString, FieldMeaning> meanings = [] {
    QHash<QString, FieldMeaning> m;
    auto put = [&m](const QString& name, const char* meaning, const char* unit) {
      m.insert(name, {QString::fromUtf8(meaning), QString::fromUtf8(unit)});
    };
    put("EditReferencia", "Referencia del proyecto, que encabeza el informe", "");
    put("EditTi", "Temperatura interior", "ºC");
    put("EditFiI", "Humedad relativa interior", "%");
    put("EditCoefInt", "Coeficiente superficial interior hi", "W/m2ºC");
    put("Edithci", "Parte de convección del coeficiente interior, hci", "W/m2ºC");
    put("Edithri", "Parte de radiación del coeficiente interior, hri", "W/m2ºC");
    put("EditAnchura", "Anchura del conducto", "m");
    put("Editemisionhi", "Coeficiente de emisión de la superficie interior", "");
    put("Editvelhi", "Velocidad del fluido interior", "m/s");
    put("Editr0", "Diámetro interior", "mm");
    put("EditTe", "Temperatura exterior", "ºC");
    put("EditFiE", "Humedad relativa exterior", "%");
    put("EditCoefext", "Coeficiente superficial exterior he", "W/m2ºC");
    put("Edithce", "Parte de convección del coeficiente exterior, hce", "W/m2ºC");
    put("Edithre", "Parte de radiación del coeficiente exterior, hre", "W/m2ºC");
    put("Editemisionhe", "Coeficiente de emisión de la superficie exterior", "");
    put("Editvelhe", "Velocidad del viento", "m/s");
    put("EditTsuelo", "Temperatura del suelo", "ºC");
    put("EditProfundidad", "Profundidad del eje de la tubería", "m");
    put("EditkTerreno", "Conductividad del terreno", "W/mºC");
    put("EditHumedad", "Humedad del terreno", "%");
    put("EditDensidad", "Densidad del terreno", "kg/m3");
    put("EditeCaja", "Dimensión de la caja", "mm");
    put("EditkCaja", "Conductividad del material de la caja", "W/mºC");
    put("EditRTCaja", "Resistencia térmica de la caja", "mºC/W");
    put("EditCondicionPor", "Flujo de calor con aislamiento, respecto al de la superficie desnuda", "%");
    put("EditCondicionTe", "Temperatura superficial exterior deseada", "ºC");
    put("EditCondicionTi", "Temperatura superficial interior deseada", "ºC");
    put("EditTf", "Temperatura final del agua", "ºC");
    put("EditLong", "Longitud de la tubería", "m");
    put("EditCondicionTCong", "Tiempo hasta la congelación", "h");
    put("EditCondicionPorCong", "Parte del agua congelada en ese tiempo", "%");
    put("EditInf", "Inflación del combustible", "%");
    put("EditOpor", "Coste de oportunidad del dinero", "%");
    put("EditNa", "Años de vida de la instalación", "años");
    put("EditNh", "Horas de funcionamiento al año", "h");
    put("EditCET", "Coste de la energía térmica", "euros/kWh");
    put("EditEsp1", "Primer espesor de coste conocido", "mm");
    put("EditEsp2", "Segundo espesor de coste conocido", "mm");
    // The cost is per m2 of the insulation's outer surface for every element.
    put("EditCI1", "Coste del aislamiento con el primer espesor", "euros/m2");
    put("EditCI2", "Coste del aislamiento con el segundo espesor", "euros/m2");
    for (int n = 1; n <= 6; ++n) {
      const QString row = QString::number(n);
      m.insert("ENombre" + row, {QStringLiteral("Nombre de la capa ") + row, QString()});
      m.insert("Edit" + row + "e", {QStringLiteral("Espesor de la capa ") + row, QStringLiteral("mm")});
      m.insert("Edit" + row + "k", {QStringLiteral("Conductividad de la capa ") + row, QStringLiteral("W/mºC")});
      m.insert("Editrv" + row, {QStringLiteral("Resistividad al vapor de la capa ") + row, QStringLiteral("MN s/g m")});
    }
    return m;
  }();
  return meanings;
}

// A resistance of a layer or surface: per m2 of a plate or a duct's wall, per
// metre of a pipe or a tank's wall, for the whole sphere.
QString ResistanceUnit(const Case& c) { return UnitText(c, CaseUnit::LayerResistance); }

// The size of a plate's face that its surface coefficient depends on: the
// height of a wall, the width of a horizontal plate, the length of a face in
// the wind.
QString PlateFaceMeaning(const Case& c, bool exterior) {
  if (exterior && c.surroundings == 1) return QStringLiteral("Longitud de la placa");
  return c.plateOrientation != 0 ? QStringLiteral("Anchura de la placa") : QStringLiteral("Altura de la placa");
}

// A limit as the user writes it: the decimals it needs, the user's separator,
// a true minus sign.
QString LimitText(float limit) {
  const double value = limit;
  int digits = 0;
  for (; digits < 6; ++digits) {
    const double scaled = value * std::pow(10.0, digits);
    const double whole = std::round(scaled);
    if ((whole != 0.0 || value == 0.0) && std::fabs(scaled - whole) < 1e-3) break;
  }
  QString text = FormatFixed(value, 7, digits);
  if (text.startsWith(QLatin1Char('-'))) text.replace(0, 1, QChar(0x2212));
  return text;
}

}  // namespace

FieldMeaning DescribeField(const Case& c, const QString& name) {
  if (const auto found = FixedMeanings().constFind(name); found != FixedMeanings().constEnd()) return *found;
  const QString resistance = ResistanceUnit(c);
  for (int n = 1; n <= 6; ++n)
    if (name == QStringLiteral("Edit%1RT").arg(n))
      return {QStringLiteral("Resistencia térmica de la capa %1").arg(n), resistance};
  if (name == QLatin1String("Edit0RT")) return {QStringLiteral("Resistencia superficial interior"), resistance};
  if (name == QLatin1String("Edit10RT"))
    return {c.IsBuriedPipe() ? QStringLiteral("Resistencia del terreno")
                             : QStringLiteral("Resistencia superficial exterior"),
            resistance};
  if (name == QLatin1String("EditCondicionQ")) {
    const QString unit = c.IsPlate()    ? QStringLiteral("W/m2")
                         : c.IsSphere() ? QStringLiteral("W")
                                        : QStringLiteral("W/m");
    return {QStringLiteral("Flujo de calor deseado"), unit};
  }
  if (name == QLatin1String("EditCondicionRT")) {
    if (c.IsPlate())
      return {QStringLiteral("Coeficiente global de transmisión de calor deseado"), QStringLiteral("W/m2ºC")};
    if (c.IsSphere()) return {QStringLiteral("Resistencia térmica deseada"), QStringLiteral("ºC/W")};
    return {QStringLiteral("Resistencia térmica lineal deseada"), QStringLiteral("mºC/W")};
  }
  if (name == QLatin1String("EditAlthi"))
    return {c.IsDuct() ? QStringLiteral("Altura del conducto") : PlateFaceMeaning(c, false), QStringLiteral("m")};
  if (name == QLatin1String("EditAlthe")) return {PlateFaceMeaning(c, true), QStringLiteral("m")};
  if (name == QLatin1String("EditLongitud")) {
    const QString meaning = c.IsPipe()   ? QStringLiteral("Longitud de la tubería")
                            : c.IsDuct() ? QStringLiteral("Longitud del conducto")
                            : c.IsTank() ? QStringLiteral("Longitud del depósito")
                                         : QStringLiteral("Longitud");
    return {meaning, QStringLiteral("m")};
  }
  return {};
}

FieldMeaning DescribeField(const WindowState& app, const QString& name) {
  return DescribeField(CaseFromWindow(app), name);
}

QString FieldCaption(const Case& c, const QString& name) {
  const FieldMeaning about = DescribeField(c, name);
  if (about.meaning.isEmpty()) return name;
  return about.unit.isEmpty() ? about.meaning : about.meaning + QStringLiteral(" (") + about.unit + QLatin1Char(')');
}

QString FieldCaption(const WindowState& app, const QString& name) { return FieldCaption(CaseFromWindow(app), name); }

QString FieldTooltip(const WindowState& app, const QString& name) {
  const QString hint = app.form.Has(name) ? app.form.At(name).hint : QString();
  if (DescribeField(app, name).meaning.isEmpty()) return hint;
  QString tip = FieldCaption(app, name);
  if (const std::optional<KindLimits> limits = LimitsOfKind(FieldKind(name))) {
    tip += limits->integer ? QStringLiteral(", nº entero entre ") : QStringLiteral(", entre ");
    tip += LimitText(limits->lower) + QStringLiteral(" y ") + LimitText(limits->upper);
  } else if (app.form.Has(name) && app.form.IsComputed(name)) {
    tip += QStringLiteral(", calculado por el programa");
  }
  if (!hint.isEmpty()) tip += QStringLiteral(". ") + hint;
  return tip;
}
