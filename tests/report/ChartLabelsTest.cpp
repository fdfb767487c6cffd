// SPDX-License-Identifier: GPL-3.0-or-later
// The temperature chart as one reads it: a legend for two lines, the faces
// of the element, and value labels that never cover one another.

#include "app/ProjectCommands.h"
#include "app/WindowFixture.h"
#include "report/ReportPictures.h"
#include "results/ChartLabels.h"

#include <gtest/gtest.h>
#include <QDir>

#include <set>

namespace {

// What a reader needs of the placed labels: none over another, over the
// legend or outside the plot, and the first and last value of every line.
void ExpectReadable(const TemperatureChartLayout& layout, const std::string& where) {
  ASSERT_EQ(layout.labelBoxes.size(), layout.labels.size()) << where;
  for (size_t i = 0; i < layout.labels.size(); ++i) {
    const QRectF& box = layout.labelBoxes[i];
    if (layout.labels[i].keep) {
      EXPECT_FALSE(box.isNull()) << where << ": " << layout.labels[i].text.toStdString();
    }
    if (box.isNull()) continue;
    EXPECT_TRUE(layout.plot.contains(box)) << where << ": " << layout.labels[i].text.toStdString();
    if (!layout.legend.isNull()) {
      EXPECT_FALSE(box.intersects(layout.legend)) << where;
    }
    for (size_t j = i + 1; j < layout.labels.size(); ++j) {
      EXPECT_FALSE(box.intersects(layout.labelBoxes[j]))
          << where << ": " << layout.labels[i].text.toStdString() << " and " << layout.labels[j].text.toStdString();
    }
  }
}

// Every calculated case of the golden files, at the report's size and at a
// small one where labels must give way.
TEST(ChartLabels, NoTwoLabelsOverlapForAnyCase) {
  const QStringList files = QDir(QStringLiteral(BRENAK_CASES_DIR)).entryList({QStringLiteral("*.txt")}, QDir::Files);
  ASSERT_FALSE(files.isEmpty());
  int charts = 0;
  SetDecimalSeparator(QLatin1Char(','));
  for (const QString& file : files) {
    RecordingMessageSink sink;
    Brenak app(sink);
    CreateMainWindow(app, QStringLiteral("C:\\Calc"));
    if (!OpenProjectFile(app, QDir(QStringLiteral(BRENAK_CASES_DIR)).filePath(file)) || app.chart.series[0].isEmpty())
      continue;
    ++charts;
    for (const QSize size : {QSize(620, 340), QSize(360, 200)}) {
      const TemperatureChartLayout layout = LayOutTemperatureChart(app.chart, size);
      ExpectReadable(layout, file.toStdString() + " at " + std::to_string(size.width()));
      EXPECT_EQ(layout.faces.size(), ChartFaces(app.chart).size());
      EXPECT_EQ(!layout.legend.isNull(), !app.chart.series[1].isEmpty()) << file.toStdString();
    }
  }
  ResetDecimalSeparator();
  EXPECT_GE(charts, 8);
}

// A wall of six thin layers between thick ones: the labels in the middle
// cannot all be written beside their points, so some are left out.
TEST(ChartLabels, CrowdedPointsAreThinnedKeepingTheEnds) {
  ChartModel chart;
  chart.title << QStringLiteral("Temperatura en la pared compuesta");
  const double xs[] = {0, 0, 100, 101, 102, 103, 104, 105, 106, 250, 250};
  for (int i = 0; i < 11; ++i) {
    chart.AddPoint(0, xs[i], i < 2 ? 20 - i : 15 - i * 0.1);
    if (i > 0 && i < 10) chart.AddPoint(1, xs[i], 14 - i * 0.1);
  }
  const TemperatureChartLayout layout = LayOutTemperatureChart(chart);
  ExpectReadable(layout, "crowded");
  const auto shown = std::count_if(layout.labelBoxes.begin(), layout.labelBoxes.end(),
                                   [](const QRectF& box) { return !box.isNull(); });
  EXPECT_LT(shown, static_cast<long>(layout.labels.size())) << "some labels give way";
  EXPECT_GT(shown, 4);
  EXPECT_EQ(layout.faces.size(), 9u) << "0, 100 to 106 and 250";
}

TEST(ChartLabels, KeptLabelMovesAwayWhenItsPlaceIsTakenAndOthersGiveWay) {
  const QRectF area(0, 0, 300, 100);
  const QSizeF size(40, 14);
  // A band over the point (100, 50) is taken: the only room is well to its right.
  const std::vector<QRectF> avoid = {QRectF(30, 0, 140, 100)};
  const std::vector<QRectF> boxes =
      PlaceLabelBoxes({{QPointF(100, 50), size, true, false}, {QPointF(100, 50), size, false, false}}, area, avoid);
  ASSERT_EQ(boxes.size(), 2u);
  ASSERT_FALSE(boxes[0].isNull());
  EXPECT_FALSE(boxes[0].intersects(avoid[0]));
  EXPECT_TRUE(area.contains(boxes[0]));
  EXPECT_TRUE(boxes[1].isNull()) << "an ordinary label stays near its point or is left out";

  // No room at all: even a kept label is left out rather than drawn over another.
  EXPECT_TRUE(PlaceLabelBoxes({{QPointF(10, 10), size, true, false}}, QRectF(0, 0, 30, 30)).front().isNull());
}

TEST(ChartLabels, LabelsAvoidTheLinesWhenTheyCan) {
  // A line falling to the right from the point: the first place a label
  // below it tries, below and to the right, is crossed by the line.
  const QPointF at(50, 30);
  const QLineF line(at, QPointF(150, 80));
  const QRectF box = PlaceLabelBoxes({{at, QSizeF(30, 12), false, true}}, QRectF(0, 0, 200, 100), {}, {line}).front();
  ASSERT_FALSE(box.isNull());
  for (int step = 0; step <= 100; ++step) {
    EXPECT_FALSE(box.contains(line.pointAt(step / 100.0))) << step;
  }
  EXPECT_GT(box.top(), at.y()) << "still below its point";
}

TEST(ChartLabels, LowerPointOfASurfaceJumpIsLabelledBelow) {
  ChartModel chart;
  chart.AddPoint(0, 0, 20);
  chart.AddPoint(0, 0, 18);
  chart.AddPoint(0, 50, 5);
  chart.AddPoint(1, 0, 12);
  chart.AddPoint(1, 50, 8);
  const std::vector<ChartValueLabel> labels = ChartValueLabels(chart);
  ASSERT_EQ(labels.size(), 5u);
  EXPECT_FALSE(labels[0].below) << "20 is the highest at 0";
  EXPECT_TRUE(labels[1].below) << "18 lies under 20";
  EXPECT_TRUE(labels[2].below) << "5 lies under the dew point's 8";
  EXPECT_TRUE(labels[3].below) << "12 lies under 20";
  EXPECT_FALSE(labels[4].below);
  EXPECT_TRUE(labels[0].keep && labels[2].keep && labels[3].keep && labels[4].keep);
  EXPECT_FALSE(labels[1].keep);
  EXPECT_EQ(labels[2].text, FormatFixed(5, 5, 2));
}

TEST(ChartLabels, LegendOnlyWhenTwoLinesAreDrawn) {
  ChartModel chart;
  chart.AddPoint(0, 0, 20);
  chart.AddPoint(0, 10, 10);
  EXPECT_FALSE(ChartShowsLegend(chart));
  EXPECT_TRUE(LayOutTemperatureChart(chart).legend.isNull());
  chart.AddPoint(1, 0, 12);
  EXPECT_TRUE(ChartShowsLegend(chart));
  EXPECT_FALSE(LayOutTemperatureChart(chart).legend.isNull());
}

}  // namespace
