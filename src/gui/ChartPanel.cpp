// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ChartPanel.h"

#include "form/NumberFormat.h"
#include "gui/ChartAxes.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCoreApplication>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <cmath>

namespace {

// Series 1 is the temperature, series 2 the dew point; the others are never filled.
const QColor kSeriesColours[ChartModel::kSeriesCount] = {
    QColor(192, 57, 43),  QColor(31, 95, 139),   QColor(39, 174, 96),  QColor(142, 68, 173), QColor(211, 84, 0),
    QColor(22, 160, 133), QColor(127, 140, 141), QColor(241, 196, 15), QColor(44, 62, 80)};

bool SameModel(const ChartModel& a, const ChartModel& b) {
  return a.title == b.title && a.bottomAxis == b.bottomAxis && a.leftAxis == b.leftAxis &&
         a.legendVisible == b.legendVisible && a.series == b.series;
}

}  // namespace

ChartPanel::ChartPanel(QWidget* parent) : QFrame(parent), chart_(new QChart), view_(nullptr) {
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);
  buttons_ = new QHBoxLayout;
  buttons_->addStretch(1);
  auto* copy = new QPushButton(QCoreApplication::translate("ChartPanel", "Copiar"), this);
  copy->setObjectName(QStringLiteral("ChartCopy"));
  copy->setToolTip(QCoreApplication::translate("ChartPanel", "Copiar la gráfica al portapapeles"));
  copy->setFocusPolicy(Qt::TabFocus);
  connect(copy, &QPushButton::clicked, this, &ChartPanel::CopyToClipboard);
  buttons_->addWidget(copy);
  layout->addLayout(buttons_);

  chart_->legend()->hide();
  chart_->legend()->setAlignment(Qt::AlignTop);
  chart_->setBackgroundRoundness(0);
  chart_->setMargins(QMargins(8, 8, 16, 8));
  QFont titleFont = chart_->titleFont();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
  chart_->setTitleFont(titleFont);

  axisX_ = new QValueAxis;
  axisY_ = new QValueAxis;
  axisX_->setRange(0, 1);
  axisY_->setRange(0, 1);
  chart_->addAxis(axisX_, Qt::AlignBottom);
  chart_->addAxis(axisY_, Qt::AlignLeft);
  for (int i = 0; i < ChartModel::kSeriesCount; ++i) {
    auto* s = new QLineSeries;
    s->setName(ChartSeriesName(i).isEmpty() ? QStringLiteral("Series%1").arg(i + 1) : ChartSeriesName(i));
    s->setPointsVisible(false);
    QPen pen(kSeriesColours[i]);
    pen.setWidthF(2.2);
    s->setPen(pen);
    s->setParent(this);  // kept while the chart does not draw it
    series_.append(s);
  }

  view_ = new QChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setFrameShape(QFrame::NoFrame);
  layout->addWidget(view_, 1);

  connect(chart_, &QChart::plotAreaChanged, this, [this] { PlaceValueLabels(); });
}

void ChartPanel::ShowModel(const ChartModel& model) {
  if (drawn_ && shownSeparator_ == DecimalSeparator() && SameModel(model, shown_)) return;
  shown_ = model;
  Redraw();
}

void ChartPanel::Redraw() {
  const ChartModel& model = shown_;
  drawn_ = true;
  shownSeparator_ = DecimalSeparator();

  QLocale numbers = shownSeparator_ == QLatin1Char(',') ? QLocale(QLocale::Spanish, QLocale::Spain) : QLocale::c();
  numbers.setNumberOptions(QLocale::OmitGroupSeparator);
  chart_->setLocale(numbers);
  chart_->setLocalizeNumbers(true);

  chart_->setTitle(model.title.join(QLatin1String("<br>")));
  axisX_->setTitleText(model.bottomAxis);
  axisY_->setTitleText(model.leftAxis);
  // The chart holds only the lines drawn, so that its legend names them and
  // nothing else: a marker merely hidden still counts in Qt's legend, which
  // then shows as an empty box.
  QList<QAbstractSeries*> drawn;
  for (int i = 0; i < ChartModel::kSeriesCount; ++i)
    if (!model.series[i].isEmpty()) drawn << series_[i];
  if (chart_->series() != drawn) {
    for (QAbstractSeries* held : chart_->series()) {
      chart_->removeSeries(held);
      held->setParent(this);
    }
    for (QAbstractSeries* line : drawn) {
      chart_->addSeries(line);
      line->attachAxis(axisX_);
      line->attachAxis(axisY_);
      const QString name = ChartSeriesName(static_cast<int>(series_.indexOf(static_cast<QLineSeries*>(line))));
      for (QLegendMarker* marker : chart_->legend()->markers(line)) marker->setVisible(!name.isEmpty());
    }
  }
  chart_->legend()->setVisible(ChartShowsLegend(model));

  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  bool any = false;
  for (int i = 0; i < ChartModel::kSeriesCount; ++i) {
    const QVector<QPointF>& points = model.series[i];
    series_[i]->replace(QList<QPointF>(points.begin(), points.end()));
    for (const QPointF& pt : points) {
      if (!any) {
        minX = maxX = pt.x();
        minY = maxY = pt.y();
        any = true;
      }
      minX = qMin(minX, pt.x());
      maxX = qMax(maxX, pt.x());
      minY = qMin(minY, pt.y());
      maxY = qMax(maxY, pt.y());
    }
  }
  if (any) {
    SetAxisRange(axisX_, minX, maxX, 0.0);
    SetAxisRange(axisY_, minY, maxY, 0.12);
  } else {
    axisX_->setRange(0, 1);
    axisY_->setRange(0, 1);
  }

  qDeleteAll(valueLabels_);
  valueLabels_.clear();
  labels_ = ChartValueLabels(model);
  for (const ChartValueLabel& value : labels_) {
    auto* label = new QGraphicsSimpleTextItem(value.text, chart_);
    label->setBrush(kSeriesColours[value.series].darker(125));
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.95);
    label->setFont(f);
    label->setZValue(20);
    valueLabels_.append(label);
  }
  qDeleteAll(faceLines_);
  faceLines_.clear();
  faces_ = ChartFaces(model);
  for (size_t i = 0; i < faces_.size(); ++i) {
    auto* line = new QGraphicsLineItem(chart_);
    line->setPen(QPen(QColor(120, 120, 120), 1));
    line->setZValue(1);  // under the lines of the series
    faceLines_.append(line);
  }
  PlaceValueLabels();
}

void ChartPanel::PlaceValueLabels() {
  const QRectF area = chart_->plotArea();
  for (int f = 0; f < faceLines_.size(); ++f) {
    const double x = chart_->mapToPosition(QPointF(faces_[f], 0), series_[0]).x();
    faceLines_[f]->setLine(QLineF(x, area.top(), x, area.bottom()));
  }
  // Each value beside its point, none over another: placed as the report's
  // chart places them, within the plot area.
  std::vector<LabelRequest> requests;
  for (int k = 0; k < valueLabels_.size(); ++k) {
    const ChartValueLabel& value = labels_[k];
    requests.push_back({chart_->mapToPosition(value.value, series_[value.series]),
                        valueLabels_[k]->boundingRect().size() + QSizeF(4, 0), value.keep, value.below});
  }
  const std::vector<QLineF> lines =
      ChartSegments(shown_, [this](int s, const QPointF& point) { return chart_->mapToPosition(point, series_[s]); });
  const std::vector<QRectF> boxes = PlaceLabelBoxes(requests, area.adjusted(2, 2, -2, -2), {}, lines);
  for (int k = 0; k < valueLabels_.size(); ++k) {
    QGraphicsSimpleTextItem* label = valueLabels_[k];
    label->setPos(boxes[k].topLeft() + QPointF(2, 0));
    label->setVisible(!boxes[k].isNull() && series_[labels_[k].series]->isVisible());
  }
}

QImage ChartPanel::Picture() const { return view_->grab().toImage(); }

void ChartPanel::CopyToClipboard() const {
  if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setImage(Picture());
}
