// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/InstallationFile.h"

#include "files/CaseFile.h"
#include "files/ProjectFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>

namespace {

const QString kFormatName = QStringLiteral("brenak-instalacion");

// The keys of a row, as the file writes them.
struct RowKey {
  const char* key;
  QString InstallationRow::*text;
};
constexpr RowKey kRowTexts[] = {
    {"referencia", &InstallationRow::reference},
    {"tuberia", &InstallationRow::pipeSize},
    {"diametro_mm", &InstallationRow::diameter},
    {"ancho_mm", &InstallationRow::width},
    {"alto_mm", &InstallationRow::height},
    {"cantidad", &InstallationRow::length},
    {"t_fluido", &InstallationRow::fluidTemperature},
    {"t_ambiente", &InstallationRow::surroundingsTemperature},
    {"material", &InstallationRow::material},
    {"conductividad", &InstallationRow::conductivity},
    {"espesor_mm", &InstallationRow::thickness},
};

struct TotalsKey {
  const char* key;
  QString InstallationTotalsData::*text;
};
constexpr TotalsKey kTotalsTexts[] = {
    {"horas_anuales", &InstallationTotalsData::hoursPerYear},
    {"precio_energia", &InstallationTotalsData::energyPrice},
    {"factor_co2", &InstallationTotalsData::co2Factor},
    {"potencia_maxima_kw", &InstallationTotalsData::maximumPower},
};

InstallationReading Refused(InstallationFileProblem problem, const QString& error) {
  InstallationReading reading;
  reading.problem = problem;
  reading.error = error;
  return reading;
}

// A text of the file: a string, or a number a person wrote in its place.
bool ReadText(const QJsonValue& value, QString* text) {
  if (value.isUndefined() || value.isNull()) {
    text->clear();
    return true;
  }
  if (value.isString()) {
    *text = value.toString();
    return true;
  }
  if (value.isDouble()) {
    *text = QString::number(value.toDouble(), 'g', 15);
    return true;
  }
  return false;
}

QJsonObject RowObject(const InstallationRow& row) {
  QJsonObject object;
  object.insert(QStringLiteral("elemento"), SectionElementKey(row.element));
  object.insert(QStringLiteral("ubicacion"), RitePlacingKey(row.placing));
  for (const RowKey& key : kRowTexts) object.insert(QLatin1String(key.key), row.*key.text);
  object.insert(QStringLiteral("minimo_rite"), row.riteMinimum);
  return object;
}

// A row of the file; an empty text when it is one, else why it is not.
QString ReadRow(const QJsonValue& value, InstallationRow* row) {
  if (!value.isObject()) return QCoreApplication::translate("InstallationFile", "no es un objeto");
  const QJsonObject object = value.toObject();
  if (!SectionElementFromKey(object.value(QStringLiteral("elemento")).toString(), &row->element))
    return QCoreApplication::translate("InstallationFile", "su elemento no es ninguno de los que el programa conoce");
  const QJsonValue placing = object.value(QStringLiteral("ubicacion"));
  if (placing.isUndefined()) {
    row->placing = DefaultPlacing(row->element);
  } else if (!RitePlacingFromKey(placing.toString(), &row->placing)) {
    return QCoreApplication::translate("InstallationFile", "su ubicación no es interior, exterior ni enterrada");
  }
  for (const RowKey& key : kRowTexts)
    if (!ReadText(object.value(QLatin1String(key.key)), &(row->*key.text)))
      return QCoreApplication::translate("InstallationFile", "el valor de \"%1\" no es un texto")
          .arg(QLatin1String(key.key));
  const QJsonValue minimum = object.value(QStringLiteral("minimo_rite"));
  if (!minimum.isUndefined() && !minimum.isBool())
    return QCoreApplication::translate("InstallationFile", "\"minimo_rite\" no es verdadero ni falso");
  row->riteMinimum = minimum.toBool(false);
  return QString();
}

}  // namespace

QByteArray WriteInstallation(const InstallationDocument& doc) {
  QJsonObject root;
  root.insert(QStringLiteral("formato"), kFormatName);
  root.insert(QStringLiteral("version"), InstallationDocument::kFormatVersion);

  QJsonObject templateObject;
  templateObject.insert(QStringLiteral("registros"), QJsonArray::fromStringList(RecordsOfCase(doc.templateCase)));
  root.insert(QStringLiteral("plantilla"), templateObject);

  QJsonArray rows;
  for (const InstallationRow& row : doc.rows) rows.append(RowObject(row));
  root.insert(QStringLiteral("filas"), rows);

  QJsonObject totals;
  for (const TotalsKey& key : kTotalsTexts) totals.insert(QLatin1String(key.key), doc.totals.*key.text);
  totals.insert(QStringLiteral("fuente_energia"), EnergySourceKey(doc.totals.source));
  root.insert(QStringLiteral("totales"), totals);

  QJsonArray materials;
  for (const UserMaterial& m : doc.userMaterials) {
    QJsonObject object;
    object.insert(QStringLiteral("nombre"), m.name);
    object.insert(QStringLiteral("conductividad"), double(m.conductivity));
    object.insert(QStringLiteral("resistividad_vapor"), double(m.vapourResistivity));
    materials.append(object);
  }
  root.insert(QStringLiteral("materiales_propios"), materials);
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

InstallationReading ReadInstallation(const QByteArray& bytes) {
  using P = InstallationFileProblem;
  QJsonParseError parseError;
  const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError || !json.isObject())
    return Refused(P::NotJson,
                   QCoreApplication::translate("InstallationFile",
                                               "el archivo está dañado o no es una instalación (no es JSON válido)"));
  const QJsonObject root = json.object();
  if (root.value(QStringLiteral("formato")).toString() != kFormatName)
    return Refused(P::NotADocument, QCoreApplication::translate("InstallationFile",
                                                                "el archivo no es una instalación de este programa"));
  const QJsonValue version = root.value(QStringLiteral("version"));
  const double number = version.toDouble(-1);
  if (!version.isDouble() || number < 1 || number != std::floor(number))
    return Refused(P::NotADocument,
                   QCoreApplication::translate("InstallationFile", "el archivo no dice la versión de su formato"));
  if (number > InstallationDocument::kFormatVersion)
    return Refused(P::NewerVersion,
                   QCoreApplication::translate("InstallationFile",
                                               "la instalación se guardó con una versión más reciente del "
                                               "programa (formato %1; esta versión lee hasta el %2)")
                       .arg(static_cast<qint64>(number))
                       .arg(InstallationDocument::kFormatVersion));

  InstallationReading reading;
  InstallationDocument& doc = reading.document;

  const QJsonValue records = root.value(QStringLiteral("plantilla")).toObject().value(QStringLiteral("registros"));
  if (!records.isArray() || records.toArray().size() != kProjectRecordCount)
    return Refused(P::BadTemplate, QCoreApplication::translate("InstallationFile",
                                                               "la plantilla no tiene los %1 valores de un proyecto")
                                       .arg(kProjectRecordCount));
  QStringList values;
  for (const QJsonValue& value : records.toArray()) {
    QString text;
    if (!ReadText(value, &text))
      return Refused(P::BadTemplate,
                     QCoreApplication::translate("InstallationFile", "un valor de la plantilla no es un texto"));
    values << CutToFieldWidth(text);
  }
  const QString templateError = CheckProjectRecords(values);
  if (!templateError.isEmpty())
    return Refused(P::BadTemplate, QCoreApplication::translate("InstallationFile", "la plantilla: ") + templateError);
  doc.templateCase = CaseFromRecords(values);

  const QJsonValue rows = root.value(QStringLiteral("filas"));
  if (!rows.isArray())
    return Refused(P::NotADocument,
                   QCoreApplication::translate("InstallationFile", "el archivo no tiene la lista de secciones"));
  int number1 = 0;
  for (const QJsonValue& value : rows.toArray()) {
    ++number1;
    InstallationRow row;
    const QString why = ReadRow(value, &row);
    if (!why.isEmpty())
      return Refused(P::NotADocument,
                     QCoreApplication::translate("InstallationFile", "la sección %1 %2").arg(number1).arg(why));
    doc.rows.push_back(row);
  }

  const QJsonValue totals = root.value(QStringLiteral("totales"));
  if (!totals.isUndefined()) {
    if (!totals.isObject())
      return Refused(P::NotADocument,
                     QCoreApplication::translate("InstallationFile", "los datos de los totales no son un objeto"));
    const QJsonObject object = totals.toObject();
    for (const TotalsKey& key : kTotalsTexts) {
      const QJsonValue value = object.value(QLatin1String(key.key));
      if (value.isUndefined()) continue;
      if (!ReadText(value, &(doc.totals.*key.text)))
        return Refused(P::NotADocument,
                       QCoreApplication::translate("InstallationFile", "el valor de \"%1\" no es un texto")
                           .arg(QLatin1String(key.key)));
    }
    const QJsonValue source = object.value(QStringLiteral("fuente_energia"));
    if (!source.isUndefined() && !EnergySourceFromKey(source.toString(), &doc.totals.source))
      return Refused(P::NotADocument,
                     QCoreApplication::translate("InstallationFile",
                                                 "la fuente de energía no es ninguna de las que el programa conoce"));
  }

  const QJsonValue materials = root.value(QStringLiteral("materiales_propios"));
  if (!materials.isUndefined()) {
    if (!materials.isArray())
      return Refused(P::NotADocument,
                     QCoreApplication::translate("InstallationFile", "los materiales propios no son una lista"));
    for (const QJsonValue& value : materials.toArray()) {
      const QJsonObject object = value.toObject();
      UserMaterial m;
      m.name = object.value(QStringLiteral("nombre")).toString();
      m.conductivity = static_cast<float>(object.value(QStringLiteral("conductividad")).toDouble(-1));
      m.vapourResistivity = static_cast<float>(object.value(QStringLiteral("resistividad_vapor")).toDouble(0));
      if (!value.isObject() || !UserMaterialProblem(m).isEmpty())
        return Refused(P::NotADocument,
                       QCoreApplication::translate("InstallationFile",
                                                   "un material propio no tiene nombre o conductividad válidos"));
      doc.userMaterials.push_back(m);
    }
  }
  return reading;
}

InstallationReading ReadInstallationFile(const QString& path) {
  using P = InstallationFileProblem;
  const QFileInfo info(path);
  QFile file(path);
  if (!info.isFile() || !file.open(QIODevice::ReadOnly))
    return Refused(P::Unreadable, QCoreApplication::translate("InstallationFile", "no se puede leer el archivo"));
  if (info.size() > kInstallationFileMaxBytes)
    return Refused(P::TooLarge, QCoreApplication::translate("InstallationFile",
                                                            "el archivo es demasiado grande para ser una instalación"));
  const QByteArray bytes = file.read(kInstallationFileMaxBytes + 1);
  if (file.error() != QFileDevice::NoError)
    return Refused(P::Unreadable, QCoreApplication::translate("InstallationFile", "no se puede leer el archivo"));
  if (bytes.size() > kInstallationFileMaxBytes)
    return Refused(P::TooLarge, QCoreApplication::translate("InstallationFile",
                                                            "el archivo es demasiado grande para ser una instalación"));
  return ReadInstallation(bytes);
}

QString SaveInstallationFile(const QString& path, const InstallationDocument& doc) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return QCoreApplication::translate("InstallationFile", "no se puede escribir en esa carpeta");
  const QByteArray bytes = WriteInstallation(doc);
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return QCoreApplication::translate("InstallationFile", "no se ha podido escribir el archivo entero");
  }
  if (!file.commit()) return QCoreApplication::translate("InstallationFile", "no se ha podido completar el archivo");
  return QString();
}

QString InstallationNotOpenedText(const QString& path, const QString& reason) {
  return QCoreApplication::translate("InstallationFile", "No es posible abrir la instalación \"%1\": %2.")
      .arg(QFileInfo(path).fileName(), reason);
}

QString InstallationNotSavedText(const QString& path, const QString& reason) {
  return QCoreApplication::translate("InstallationFile", "No es posible guardar la instalación \"%1\": %2.")
      .arg(QFileInfo(path).fileName(), reason);
}
