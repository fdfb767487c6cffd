// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/ChartModel.h"
#include "results/ChartLabels.h"

#include <QFrame>
#include <QImage>
#include <QVector>

class QChart;
class QChartView;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QHBoxLayout;
class QLineSeries;
class QValueAxis;

// The temperature chart Chart1 on Qt Charts: title lines, the two axis
// captions, nine line series drawn without point symbols, a legend when both
// the temperature and the dew point are drawn, the faces of the element as
// thin vertical lines, and the values of the points beside them, those that
// would cover another left out (the first and last of a line are kept).
class ChartPanel : public QFrame {
  Q_OBJECT
 public:
  explicit ChartPanel(QWidget* parent = nullptr);

  // Draws the model; nothing when it is what the chart already shows.
  void ShowModel(const ChartModel& model);
  // Draws the model again, for instance after the decimal separator changed.
  void Redraw();

  QChart* Chart() const { return chart_; }
  QLineSeries* Series(int index) const { return series_.value(index); }
  // The bar above the chart, where the window puts the chart's own buttons.
  QHBoxLayout* ButtonBar() const { return buttons_; }

  // The chart alone as a bitmap of its current size on the screen.
  QImage Picture() const;
  void CopyToClipboard() const;

 private:
  void PlaceValueLabels();

  QChart* chart_;
  QChartView* view_;
  QValueAxis* axisX_;
  QValueAxis* axisY_;
  QVector<QLineSeries*> series_;
  QVector<QGraphicsSimpleTextItem*> valueLabels_;
  std::vector<ChartValueLabel> labels_;  // what each of valueLabels_ shows
  QVector<QGraphicsLineItem*> faceLines_;
  std::vector<double> faces_;
  QHBoxLayout* buttons_;
  ChartModel shown_;
  QChar shownSeparator_;
  bool drawn_ = false;
};
