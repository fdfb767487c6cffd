// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/FieldDescription.h"

#include "checking/FieldValidation.h"
#include "form/CaseFields.h"
#include "form/NumberFormat.h"
#include "form/WindowCase.h"
#include "form/WindowState.h"

#include <QCoreApplication>
#include <QHash>
#include <cmath>

namespace {

// What a field means and its unit, for the fields whose words do not follow
// the element on the window: Spanish sources of the "FieldDescription"
// translation, put in the program's language when a field is described. A
// layer row's meaning takes the row's number for its %1.
struct FixedMeaning {
  const char* meaning;
  const char* unit;
  int layer = 0;
};

const QHash<QString, FixedMeaning>& FixedMeanings() {
  static const QHash<QString, FixedMeaning> meanings = [] {
    QHash<QString, FixedMeaning> m;
    m.insert(QStringLiteral("EditReferencia"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Referencia del proyecto, que encabeza el informe"), ""});
    m.insert(QStringLiteral("EditTi"), {QT_TRANSLATE_NOOP("FieldDescription", "Temperatura interior"), "ºC"});
    m.insert(QStringLiteral("EditFiI"), {QT_TRANSLATE_NOOP("FieldDescription", "Humedad relativa interior"), "%"});
    m.insert(QStringLiteral("EditCoefInt"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Coeficiente superficial interior hi"), "W/m2ºC"});
    m.insert(QStringLiteral("Edithci"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Parte de convección del coeficiente interior, hci"), "W/m2ºC"});
    m.insert(QStringLiteral("Edithri"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Parte de radiación del coeficiente interior, hri"), "W/m2ºC"});
    m.insert(QStringLiteral("EditAnchura"), {QT_TRANSLATE_NOOP("FieldDescription", "Anchura del conducto"), "m"});
    m.insert(QStringLiteral("Editemisionhi"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Coeficiente de emisión de la superficie interior"), ""});
    m.insert(QStringLiteral("Editvelhi"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Velocidad del fluido interior"), "m/s"});
    m.insert(QStringLiteral("Editr0"), {QT_TRANSLATE_NOOP("FieldDescription", "Diámetro interior"), "mm"});
    m.insert(QStringLiteral("EditTe"), {QT_TRANSLATE_NOOP("FieldDescription", "Temperatura exterior"), "ºC"});
    m.insert(QStringLiteral("EditFiE"), {QT_TRANSLATE_NOOP("FieldDescription", "Humedad relativa exterior"), "%"});
    m.insert(QStringLiteral("EditCoefext"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Coeficiente superficial exterior he"), "W/m2ºC"});
    m.insert(QStringLiteral("Edithce"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Parte de convección del coeficiente exterior, hce"), "W/m2ºC"});
    m.insert(QStringLiteral("Edithre"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Parte de radiación del coeficiente exterior, hre"), "W/m2ºC"});
    m.insert(QStringLiteral("Editemisionhe"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Coeficiente de emisión de la superficie exterior"), ""});
    m.insert(QStringLiteral("Editvelhe"), {QT_TRANSLATE_NOOP("FieldDescription", "Velocidad del viento"), "m/s"});
    m.insert(QStringLiteral("EditTsuelo"), {QT_TRANSLATE_NOOP("FieldDescription", "Temperatura del suelo"), "ºC"});
    m.insert(QStringLiteral("EditProfundidad"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Profundidad del eje de la tubería"), "m"});
    m.insert(QStringLiteral("EditkTerreno"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Conductividad del terreno"), "W/mºC"});
    m.insert(QStringLiteral("EditHumedad"), {QT_TRANSLATE_NOOP("FieldDescription", "Humedad del terreno"), "%"});
    m.insert(QStringLiteral("EditDensidad"), {QT_TRANSLATE_NOOP("FieldDescription", "Densidad del terreno"), "kg/m3"});
    m.insert(QStringLiteral("EditeCaja"), {QT_TRANSLATE_NOOP("FieldDescription", "Dimensión de la caja"), "mm"});
    m.insert(QStringLiteral("EditkCaja"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Conductividad del material de la caja"), "W/mºC"});
    m.insert(QStringLiteral("EditRTCaja"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Resistencia térmica de la caja"), "mºC/W"});
    m.insert(
        QStringLiteral("EditCondicionPor"),
        {QT_TRANSLATE_NOOP("FieldDescription", "Flujo de calor con aislamiento, respecto al de la superficie desnuda"),
         "%"});
    m.insert(QStringLiteral("EditCondicionTe"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Temperatura superficial exterior deseada"), "ºC"});
    m.insert(QStringLiteral("EditCondicionTi"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Temperatura superficial interior deseada"), "ºC"});
    m.insert(QStringLiteral("EditTf"), {QT_TRANSLATE_NOOP("FieldDescription", "Temperatura final del agua"), "ºC"});
    m.insert(QStringLiteral("EditLong"), {QT_TRANSLATE_NOOP("FieldDescription", "Longitud de la tubería"), "m"});
    m.insert(QStringLiteral("EditCondicionTCong"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Tiempo hasta la congelación"), "h"});
    m.insert(QStringLiteral("EditCondicionPorCong"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Parte del agua congelada en ese tiempo"), "%"});
    m.insert(QStringLiteral("EditInf"), {QT_TRANSLATE_NOOP("FieldDescription", "Inflación del combustible"), "%"});
    m.insert(QStringLiteral("EditOpor"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Coste de oportunidad del dinero"), "%"});
    m.insert(QStringLiteral("EditNa"), {QT_TRANSLATE_NOOP("FieldDescription", "Años de vida de la instalación"),
                                        QT_TRANSLATE_NOOP("FieldDescription", "años")});
    m.insert(QStringLiteral("EditNh"), {QT_TRANSLATE_NOOP("FieldDescription", "Horas de funcionamiento al año"), "h"});
    m.insert(QStringLiteral("EditCET"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Coste de la energía térmica"), "euros/kWh"});
    m.insert(QStringLiteral("EditEsp1"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Primer espesor de coste conocido"), "mm"});
    m.insert(QStringLiteral("EditEsp2"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Segundo espesor de coste conocido"), "mm"});
    // The cost is per m2 of the insulation's outer surface for every element.
    m.insert(QStringLiteral("EditCI1"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Coste del aislamiento con el primer espesor"), "euros/m2"});
    m.insert(QStringLiteral("EditCI2"),
             {QT_TRANSLATE_NOOP("FieldDescription", "Coste del aislamiento con el segundo espesor"), "euros/m2"});
    for (int n = 1; n <= 6; ++n) {
      const QString row = QString::number(n);
      m.insert("ENombre" + row, {QT_TRANSLATE_NOOP("FieldDescription", "Nombre de la capa %1"), "", n});
      m.insert("Edit" + row + "e", {QT_TRANSLATE_NOOP("FieldDescription", "Espesor de la capa %1"), "mm", n});
      m.insert("Edit" + row + "k", {QT_TRANSLATE_NOOP("FieldDescription", "Conductividad de la capa %1"), "W/mºC", n});
      m.insert("Editrv" + row,
               {QT_TRANSLATE_NOOP("FieldDescription", "Resistividad al vapor de la capa %1"), "MN s/g m", n});
    }
    return m;
  }();
  return meanings;
}

QString Tr(const char* source) { return QCoreApplication::translate("FieldDescription", source); }

// A resistance of a layer or surface: per m2 of a plate or a duct's wall, per
// metre of a pipe or a tank's wall, for the whole sphere.
QString ResistanceUnit(const Case& c) { return UnitText(c, CaseUnit::LayerResistance); }

// The size of a plate's face that its surface coefficient depends on: the
// height of a wall, the width of a horizontal plate, the length of a face in
// the wind.
QString PlateFaceMeaning(const Case& c, bool exterior) {
  if (exterior && c.surroundings == 1) return QCoreApplication::translate("FieldDescription", "Longitud de la placa");
  return c.plateOrientation != 0 ? QCoreApplication::translate("FieldDescription", "Anchura de la placa")
                                 : QCoreApplication::translate("FieldDescription", "Altura de la placa");
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
  if (const auto found = FixedMeanings().constFind(name); found != FixedMeanings().constEnd()) {
    const QString meaning = Tr(found->meaning);
    return {found->layer > 0 ? meaning.arg(found->layer) : meaning, Tr(found->unit)};
  }
  const QString resistance = ResistanceUnit(c);
  for (int n = 1; n <= 6; ++n)
    if (name == QStringLiteral("Edit%1RT").arg(n))
      return {QCoreApplication::translate("FieldDescription", "Resistencia térmica de la capa %1").arg(n), resistance};
  if (name == QLatin1String("Edit0RT"))
    return {QCoreApplication::translate("FieldDescription", "Resistencia superficial interior"), resistance};
  if (name == QLatin1String("Edit10RT"))
    return {c.IsBuriedPipe() ? QCoreApplication::translate("FieldDescription", "Resistencia del terreno")
                             : QCoreApplication::translate("FieldDescription", "Resistencia superficial exterior"),
            resistance};
  if (name == QLatin1String("EditCondicionQ")) {
    const QString unit = c.IsPlate()    ? QStringLiteral("W/m2")
                         : c.IsSphere() ? QStringLiteral("W")
                                        : QStringLiteral("W/m");
    return {QCoreApplication::translate("FieldDescription", "Flujo de calor deseado"), unit};
  }
  if (name == QLatin1String("EditCondicionRT")) {
    if (c.IsPlate())
      return {QCoreApplication::translate("FieldDescription", "Coeficiente global de transmisión de calor deseado"),
              QStringLiteral("W/m2ºC")};
    if (c.IsSphere())
      return {QCoreApplication::translate("FieldDescription", "Resistencia térmica deseada"), QStringLiteral("ºC/W")};
    return {QCoreApplication::translate("FieldDescription", "Resistencia térmica lineal deseada"),
            QStringLiteral("mºC/W")};
  }
  if (name == QLatin1String("EditAlthi"))
    return {c.IsDuct() ? QCoreApplication::translate("FieldDescription", "Altura del conducto")
                       : PlateFaceMeaning(c, false),
            QStringLiteral("m")};
  if (name == QLatin1String("EditAlthe")) return {PlateFaceMeaning(c, true), QStringLiteral("m")};
  if (name == QLatin1String("EditLongitud")) {
    const QString meaning = c.IsPipe()   ? QCoreApplication::translate("FieldDescription", "Longitud de la tubería")
                            : c.IsDuct() ? QCoreApplication::translate("FieldDescription", "Longitud del conducto")
                            : c.IsTank() ? QCoreApplication::translate("FieldDescription", "Longitud del depósito")
                                         : QCoreApplication::translate("FieldDescription", "Longitud");
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
    const QString lower = LimitText(limits->lower), upper = LimitText(limits->upper);
    tip += limits->integer
               ? QCoreApplication::translate("FieldDescription", ", nº entero entre %1 y %2").arg(lower, upper)
               : QCoreApplication::translate("FieldDescription", ", entre %1 y %2").arg(lower, upper);
  } else if (app.form.Has(name) && app.form.IsComputed(name)) {
    tip += QCoreApplication::translate("FieldDescription", ", calculado por el programa");
  }
  if (!hint.isEmpty()) tip += QStringLiteral(". ") + hint;
  return tip;
}
