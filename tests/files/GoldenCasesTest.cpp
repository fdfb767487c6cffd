// SPDX-License-Identifier: GPL-3.0-or-later
// Every project of tests/cases opened as "brenak-cli calc" opens it, with the
// decimal point, compared with the window state stored beside it (what
// "brenak-cli calc NAME.txt --decimal-separator ." prints). Run with
// BRENAK_UPDATE_GOLDEN=1 to write the stored states anew, then read the diff.

#include "app/ProjectCalculation.h"
#include "form/FormJson.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

QString CasesDir() { return QStringLiteral(BRENAK_CASES_DIR); }

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const QString& file : QDir(CasesDir()).entryList({"*.txt"}, QDir::Files, QDir::Name))
    names.push_back(file.chopped(4).toStdString());
  return names;
}

QString Show(const QJsonValue& v) {
  if (v.isObject()) return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
  if (v.isArray()) return QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact));
  if (v.isString()) return '"' + v.toString() + '"';
  if (v.isUndefined()) return QStringLiteral("(missing)");
  return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

// The path and values of the first difference, empty when equal. Numbers of
// the chart are single-precision values: equal within a relative 1e-6.
QString FirstDifference(const QJsonValue& expected, const QJsonValue& actual, const QString& path) {
  if (expected.isDouble() && actual.isDouble()) {
    const double a = expected.toDouble(), b = actual.toDouble();
    if (std::abs(a - b) <= 1e-6 * std::max({1.0, std::abs(a), std::abs(b)})) return {};
  } else if (expected.isObject() && actual.isObject()) {
    const QJsonObject e = expected.toObject(), a = actual.toObject();
    QStringList keys = e.keys() + a.keys();
    keys.sort();
    keys.removeDuplicates();
    for (const QString& key : keys) {
      const QString d = FirstDifference(e.value(key), a.value(key), path.isEmpty() ? key : path + '.' + key);
      if (!d.isEmpty()) return d;
    }
    return {};
  } else if (expected.isArray() && actual.isArray()) {
    const QJsonArray e = expected.toArray(), a = actual.toArray();
    for (qsizetype i = 0; i < std::max(e.size(), a.size()); ++i) {
      const QJsonValue ev = i < e.size() ? e.at(i) : QJsonValue(QJsonValue::Undefined);
      const QJsonValue av = i < a.size() ? a.at(i) : QJsonValue(QJsonValue::Undefined);
      const QString d = FirstDifference(ev, av, path + '[' + QString::number(i) + ']');
      if (!d.isEmpty()) return d;
    }
    return {};
  } else if (expected == actual) {
    return {};
  }
  return path + ": expected " + Show(expected) + ", got " + Show(actual);
}

class GoldenCases : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { SetDecimalSeparator('.'); }
  void TearDown() override { ResetDecimalSeparator(); }
};

TEST_P(GoldenCases, WindowAfterOpeningMatchesTheStoredState) {
  const QString name = QString::fromStdString(GetParam());
  const CalculatedProject outcome =
      CalculateProjectFile(CasesDir() + '/' + name + ".txt", QStringLiteral("/opt/brenak"));
  const QJsonObject& actual = outcome.json;

  QFile stored(CasesDir() + '/' + name + ".json");
  if (qEnvironmentVariableIntValue("BRENAK_UPDATE_GOLDEN") == 1) {
    ASSERT_TRUE(stored.open(QIODevice::WriteOnly | QIODevice::Truncate));
    stored.write(FormStateJsonLines(actual));
    return;
  }
  ASSERT_TRUE(stored.open(QIODevice::ReadOnly))
      << "no " << name.toStdString() << ".json; run with BRENAK_UPDATE_GOLDEN=1";
  QJsonParseError error;
  const QJsonDocument expected = QJsonDocument::fromJson(stored.readAll(), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_EQ(FirstDifference(expected.object(), actual, QString()).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCases, ::testing::ValuesIn(CaseNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
