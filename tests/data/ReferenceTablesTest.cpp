// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Choosers.h"
#include "data/ReferenceTables.h"

#include "app/Brenak.h"
#include "form/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

template <typename Entry>
QStringList Items(const std::vector<Entry>& table) {
  QStringList items;
  for (const Entry& e : table) items << e.item;
  return items;
}

// The window's lists and the tables behind them must agree row for row.
TEST(ReferenceTables, ListsOfTheWindowMatchTheTables) {
  RecordingMessageSink sink;
  Brenak app(sink);
  EXPECT_EQ(app.form.At("RGAislantes").items, Items(InsulatingMaterials()));
  EXPECT_EQ(app.form.At("RGMatTuberias").items, Items(PipeMaterials()));
  EXPECT_EQ(app.form.At("RGMatPlacas").items, Items(PlateMaterials()));
  EXPECT_EQ(app.form.At("RGCoefEmision").items, Items(EmissionCoefficients()));
  EXPECT_EQ(app.form.At("RGTuberias").items.size(), kPipeFamilies);
  for (int family = 0; family < kPipeFamilies; ++family) {
    EXPECT_EQ(app.form.At(PipeSizeList(family)).items, Items(PipeSizes(family))) << family;
  }
  EXPECT_TRUE(PipeSizes(4).empty());
  EXPECT_TRUE(PipeSizeList(-1).isEmpty());
}

// The soil table as it is printed for the user: mean, yearly swing, January..December.
struct SoilRow {
  const char* zone;
  std::vector<const char*> values;
};

class SoilTable : public ::testing::TestWithParam<int> {
 protected:
  void TearDown() override { ResetDecimalSeparator(); }
};

const SoilRow kSoil[] = {
    {"A",
     {"19.00", "18.00", "10.34", "10.26", "12.46", "16.37", "20.96", "25.04", "27.55", "27.82", "25.80", "22.00",
      "17.42", "13.25"}},
    {"B",
     {"18.00", "20.00", "8.38", "8.29", "10.73", "15.07", "20.18", "24.71", "27.50", "27.80", "25.55", "21.33", "16.24",
      "11.61"}},
    {"C",
     {"17.00", "21.00", "6.95", "6.76", "9.25", "13.76", "19.11", "23.91", "26.91", "27.33", "25.05", "20.67", "15.34",
      "10.43"}},
    {"D",
     {"16.00", "22.00", "5.52", "5.23", "7.75", "12.42", "18.02", "23.10", "26.32", "26.85", "24.55", "20.02", "14.44",
      "9.27"}},
    {"E",
     {"15.00", "24.00", "3.64", "3.21", "5.87", "10.90", "17.00", "22.59", "26.19", "26.87", "24.46", "19.58", "13.51",
      "7.82"}},
};

TEST_P(SoilTable, LabelsReproduceThePrintedTable) {
  const SoilRow& row = kSoil[GetParam()];
  const QString zone = QString::fromLatin1(row.zone);
  for (QChar separator : {QChar('.'), QChar(',')}) {
    SetDecimalSeparator(separator);
    RecordingMessageSink sink;
    Brenak app(sink);
    ShowSoilTemperatures(app);
    ShowSoilTemperatures(app);  // a second press writes the same table
    EXPECT_TRUE(app.form.Visible("PanelTTerreno"));
    auto expected = [&](int k) { return QString::fromLatin1(row.values[k]).replace('.', separator); };
    EXPECT_EQ(app.form.Text("LabelM" + zone), expected(0));
    EXPECT_EQ(app.form.Text("LabelO" + zone), expected(1));
    for (int m = 1; m <= 12; ++m) {
      EXPECT_EQ(app.form.Text("Label" + zone + QString::number(m)), expected(m + 1)) << "month " << m;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Zones, SoilTable, ::testing::Range(0, kSoilZones));

}  // namespace
