// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ThicknessTableDialog.h"

#include "app/Brenak.h"
#include "checking/FieldValidation.h"
#include "form/NumberFormat.h"
#include "gui/ChartAxes.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScatterSeries>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QColor kCommercialRow(255, 226, 130);
const QColor kHeatFlowColour(192, 57, 43);
const QColor kCostColour(31, 95, 139);

// A column heading broken into short lines, so that eleven columns fit side by
// side; a unit in parentheses starts a line of its own.
QString WrappedHeading(const QString& text, int width = 10) {
  QStringList lines;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (!lines.isEmpty() && !word.startsWith(QLatin1Char('(')) && lines.last().size() + 1 + word.size() <= width)
      lines.last() += QLatin1Char(' ') + word;
    else if (!lines.isEmpty() && lines.last().startsWith(QLatin1Char('(')) &&
             !lines.last().endsWith(QLatin1Char(')')) && lines.last().size() + 1 + word.size() <= width)
      lines.last() += QLatin1Char(' ') + word;  // the unit goes on
    else
      lines << word;
  }
  return lines.join(QLatin1Char('\n'));
}

// The caption of the table's figure held by `control`.
QString CaptionOf(const QString& control) {
  for (const TableFigure& figure : TableFigures())
    if (control == QLatin1String(figure.control)) return TableFigureCaption(figure);
  return control;
}

QLineSeries* Line(const QString& name, const QColor& colour) {
  auto* series = new QLineSeries;
  series->setName(name);
  series->setPointsVisible(true);
  QPen pen(colour);
  pen.setWidthF(2.2);
  series->setPen(pen);
  series->setColor(colour);
  return series;
}

}  // namespace

ThicknessTableDialog::ThicknessTableDialog(Brenak& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName(QStringLiteral("ThicknessTableDialog"));
  setWindowTitle(QCoreApplication::translate("ThicknessTableDialog", "Tabla de espesores"));
  setModal(false);

  auto* layout = new QVBoxLayout(this);

  auto* listRow = new QHBoxLayout;
  auto* listCaption =
      new QLabel(QCoreApplication::translate("ThicknessTableDialog", "Espesores de aislamiento (mm):"), this);
  list_ = new QLineEdit(ThicknessListText(RememberedThicknesses(app_)), this);
  list_->setObjectName(QStringLiteral("ThicknessList"));
  list_->setToolTip(QCoreApplication::translate("ThicknessTableDialog",
                                                "Espesores en mm separados por «;», por ejemplo 10; 13; 19; 25"));
  listCaption->setBuddy(list_);
  auto* layerCaption = new QLabel(QCoreApplication::translate("ThicknessTableDialog", "Capa que varía:"), this);
  layer_ = new QComboBox(this);
  layer_->setObjectName(QStringLiteral("ThicknessLayer"));
  layer_->setToolTip(
      QCoreApplication::translate("ThicknessTableDialog",
                                  "La capa cuyo espesor toma cada valor de la lista; al abrir la tabla, la capa "
                                  "de aislamiento del caso"));
  layer_->setPlaceholderText(QCoreApplication::translate("ThicknessTableDialog", "Elija una capa"));
  layer_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  layer_->setMinimumContentsLength(18);
  layerCaption->setBuddy(layer_);
  auto* calculate = new QPushButton(QCoreApplication::translate("ThicknessTableDialog", "Calcular"), this);
  calculate->setObjectName(QStringLiteral("ThicknessCalculate"));
  calculate->setDefault(true);
  listRow->addWidget(listCaption);
  listRow->addWidget(list_, 1);
  listRow->addWidget(layerCaption);
  listRow->addWidget(layer_);
  listRow->addWidget(calculate);
  layout->addLayout(listRow);

  // The figures the table uses that the window does not show for its case.
  auto* figuresBox = new QGroupBox(
      QCoreApplication::translate("ThicknessTableDialog", "Datos del estudio que la ventana no muestra"), this);
  figuresBox->setObjectName(QStringLiteral("ThicknessFigures"));
  auto* figuresGrid = new QGridLayout(figuresBox);
  constexpr int kFiguresPerRow = 4;
  int at = 0;
  for (const TableFigure& figure : TableFigures()) {
    const QString control = QString::fromLatin1(figure.control);
    auto* caption = new QLabel(TableFigureCaption(figure), figuresBox);
    auto* edit = new QLineEdit(figuresBox);
    edit->setObjectName(QStringLiteral("Figura") + control);
    edit->setMaximumWidth(fontMetrics().averageCharWidth() * 10);
    caption->setBuddy(edit);
    figuresGrid->addWidget(caption, at / kFiguresPerRow, 2 * (at % kFiguresPerRow), Qt::AlignRight);
    figuresGrid->addWidget(edit, at / kFiguresPerRow, 2 * (at % kFiguresPerRow) + 1);
    caption->hide();
    edit->hide();
    figures_[control] = {caption, edit};
    connect(edit, &QLineEdit::returnPressed, this, [this] { Calculate(); });
    ++at;
  }
  for (int c = 1; c < 2 * kFiguresPerRow; c += 2) figuresGrid->setColumnStretch(c, 1);
  figuresBox_ = figuresBox;
  layout->addWidget(figuresBox);

  auto* explanation = new QLabel(
      QCoreApplication::translate(
          "ThicknessTableDialog",
          "Cada fila es el caso de la ventana calculado con ese espesor en la capa que varía. Si el caso pide "
          "el espesor de esa capa, el espesor comercial que sigue al calculado va en amarillo."),
      this);
  explanation->setWordWrap(true);
  layout->addWidget(explanation);

  // The table and its chart, or the reason the case cannot be swept.
  pages_ = new QStackedWidget(this);
  auto* splitter = new QSplitter(Qt::Horizontal, pages_);
  splitter_ = splitter;
  grid_ = new QTableWidget(splitter);
  grid_->setObjectName(QStringLiteral("ThicknessGrid"));
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid_->setWordWrap(true);
  chart_ = new QChart;
  chart_->setBackgroundRoundness(0);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  QFont titleFont = chart_->titleFont();
  titleFont.setBold(true);
  chart_->setTitleFont(titleFont);
  auto* view = new QChartView(chart_, splitter);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumWidth(320);
  splitter->addWidget(grid_);
  splitter->addWidget(view);
  splitter->setStretchFactor(0, 2);
  splitter->setStretchFactor(1, 1);
  splitter->setChildrenCollapsible(false);
  pages_->addWidget(splitter);
  refusal_ = new QLabel(pages_);
  refusal_->setObjectName(QStringLiteral("ThicknessRefusal"));
  refusal_->setAlignment(Qt::AlignCenter);
  refusal_->setWordWrap(true);
  refusal_->setTextFormat(Qt::PlainText);
  QFont refusalFont = refusal_->font();
  refusalFont.setPointSizeF(refusalFont.pointSizeF() * 1.15);
  refusal_->setFont(refusalFont);
  pages_->addWidget(refusal_);
  layout->addWidget(pages_, 1);

  auto* buttons = new QHBoxLayout;
  copy_ = new QPushButton(QCoreApplication::translate("ThicknessTableDialog", "Copiar"), this);
  copy_->setObjectName(QStringLiteral("ThicknessCopy"));
  copy_->setToolTip(QCoreApplication::translate(
      "ThicknessTableDialog", "Copiar la tabla al portapapeles, para pegarla en una hoja de cálculo"));
  save_ = new QPushButton(QCoreApplication::translate("ThicknessTableDialog", "Guardar CSV..."), this);
  save_->setObjectName(QStringLiteral("ThicknessSaveCsv"));
  save_->setToolTip(QCoreApplication::translate("ThicknessTableDialog", "Guardar la tabla en un archivo CSV"));
  auto* close = new QPushButton(QCoreApplication::translate("ThicknessTableDialog", "Cerrar"), this);
  for (QPushButton* b : {copy_, save_, close}) b->setAutoDefault(false);
  buttons->addWidget(copy_);
  buttons->addWidget(save_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });
  connect(layer_, &QComboBox::activated, this, [this](int index) {
    chosenLayer_ = index + 1;
    Calculate();
  });
  connect(copy_, &QPushButton::clicked, this, &ThicknessTableDialog::CopyToClipboard);
  connect(save_, &QPushButton::clicked, this, &ThicknessTableDialog::SaveCsv);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  askCsvPath = [this](const QString& suggested) {
    QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("ThicknessTableDialog", "Guardar la tabla de espesores"), suggested,
        QCoreApplication::translate("ThicknessTableDialog", "Archivos CSV (*.csv);;Todos los archivos (*)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    return path;
  };
  tell = [this](const Message& message) {
    QMessageBox box(QMessageBox::Warning, message.caption, message.text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  };

  connect(splitter, &QSplitter::splitterMoved, this, [this] {
    const QList<int> sizes = splitter_->sizes();
    if (sizes.size() == 2 && sizes[0] + sizes[1] > 0) tableShare_ = double(sizes[0]) / (sizes[0] + sizes[1]);
    FitColumns();
  });

  const QScreen* screen = parent ? parent->screen() : QApplication::primaryScreen();
  const QSize size = SizeFor(screen ? screen->availableGeometry().size() : QSize(1366, 728));
  resize(size);
  ShowFigures();
}

QSize ThicknessTableDialog::SizeFor(const QSize& available) const {
  // Wide enough for the table and its chart, tall enough for the chart's axis
  // titles along its side, within the screen.
  const QSize wanted(fontMetrics().averageCharWidth() * 230, fontMetrics().height() * 44);
  return wanted.boundedTo(available * 0.95);
}

void ThicknessTableDialog::showEvent(QShowEvent* event) {
  // Opened again, the table starts from the case's insulation layer.
  if (!event->spontaneous()) chosenLayer_ = 0;
  QDialog::showEvent(event);
}

void ThicknessTableDialog::ShowLayers() {
  const QSignalBlocker quiet(layer_);
  layer_->clear();
  layer_->addItems(LayerChoices(app_));
  layer_->setCurrentIndex(table_.layer - 1);  // none selected (-1) when no layer varies
}

void ThicknessTableDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // The table keeps its share of the width (two thirds, or what the user made
  // it by dragging), so that its columns need no scrolling sideways.
  layout()->activate();
  const QList<int> sizes = splitter_->sizes();
  if (sizes.size() == 2) {
    const int total = sizes[0] + sizes[1];
    splitter_->setSizes({static_cast<int>(total * tableShare_), total - static_cast<int>(total * tableShare_)});
  }
  FitColumns();
}

// The width of the longest word of a cell: narrower, its text would be cut.
static int LongestWord(const QTableWidgetItem* item) {
  if (!item) return 0;
  const QFontMetrics metrics(item->font());
  int widest = 0;
  for (const QString& word : item->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
    widest = std::max(widest, metrics.horizontalAdvance(word));
  return widest;
}

void ThicknessTableDialog::FitColumns() {
  const int columns = grid_->columnCount();
  if (columns == 0) return;
  grid_->resizeColumnsToContents();
  // Each column wants the width of its text on one line; it can go down to its
  // heading (already broken into short lines) and its longest word.
  const int padding = 2 * grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 6;
  std::vector<int> natural(columns), least(columns);
  for (int c = 0; c < columns; ++c) {
    natural[c] = grid_->columnWidth(c);
    least[c] = grid_->horizontalHeader()->sectionSizeHint(c);
    for (int r = 0; r < grid_->rowCount(); ++r)
      if (grid_->columnSpan(r, c) == 1) least[c] = std::max(least[c], LongestWord(grid_->item(r, c)) + padding);
    least[c] = std::min(least[c], natural[c]);
  }
  // The room beside the vertical scroll bar, which shows when the rows need it.
  const int room = grid_->width() - 2 * grid_->frameWidth() - grid_->verticalScrollBar()->sizeHint().width();
  const auto widthAt = [&](int cap) {
    int total = 0;
    for (int c = 0; c < columns; ++c) total += std::max(least[c], std::min(natural[c], cap));
    return total;
  };
  // The widest columns are cut to one width, the most that lets them all fit;
  // their texts wrap.
  int low = 0, high = *std::max_element(natural.begin(), natural.end());
  if (widthAt(high) > room) {
    while (low < high) {
      const int cap = (low + high + 1) / 2;
      if (widthAt(cap) <= room)
        low = cap;
      else
        high = cap - 1;
    }
    for (int c = 0; c < columns; ++c) grid_->setColumnWidth(c, std::max(least[c], std::min(natural[c], low)));
  }
  grid_->resizeRowsToContents();
}

QLineEdit* ThicknessTableDialog::FigureEdit(const QString& control) const {
  const auto found = figures_.find(control);
  return found == figures_.end() ? nullptr : found->second.second;
}

void ThicknessTableDialog::ShowFigures() {
  std::vector<TableFigure> hidden = FiguresTheWindowHides(app_);
  for (auto& [control, widgets] : figures_) {
    // Named again: clang cannot capture a structured binding.
    const QString& name = control;
    const bool shown = std::any_of(hidden.begin(), hidden.end(),
                                   [&name](const TableFigure& f) { return name == QLatin1String(f.control); });
    auto [caption, edit] = widgets;
    // A field that comes into view starts from the window's value.
    if (shown && edit->isHidden()) edit->setText(app_.form.Text(control.toLatin1().constData()));
    if (control.startsWith(QLatin1String("EditCI")))
      caption->setText(QStringLiteral("%1 (%2)").arg(CaptionOf(control), app_.form.Text("Label29")));
    caption->setVisible(shown);
    edit->setVisible(shown);
  }
  figuresBox_->setVisible(!hidden.empty());
}

bool ThicknessTableDialog::ReadFigures(TableFigureValues& values) {
  for (const auto& [control, widgets] : figures_) {
    QLineEdit* edit = widgets.second;
    if (edit->isHidden()) continue;
    const FieldVerdict verdict = CheckFieldText(edit->text(), FieldKind(control));
    if (!verdict.accepted) {
      // The field's own box, naming the figure as the dialog does.
      Message box = verdict.boxes.empty() ? Message{} : verdict.boxes.front();
      box.text = QStringLiteral("%1: %2").arg(widgets.first->text(), box.text);
      box.caption = AttentionCaption();
      tell(box);
      edit->setFocus(Qt::OtherFocusReason);
      edit->selectAll();
      return false;
    }
    edit->setText(verdict.text);
    values[control] = ParseNumber(verdict.text);
  }
  return true;
}

bool ThicknessTableDialog::Calculate() {
  const std::vector<float> thicknesses = ParseThicknessList(list_->text());
  if (thicknesses.empty()) {
    tell({AttentionCaption(),
          QCoreApplication::translate(
              "ThicknessTableDialog",
              "La lista de espesores no se puede leer: escriba espesores en mm, mayores que 0 y hasta "
              "5000, separados por «;» (por ejemplo 10; 13; 19; 25)."),
          MessageButtons::Ok, MessageId::ThicknessListUnreadable});
    list_->setFocus(Qt::OtherFocusReason);
    list_->selectAll();
    return false;
  }
  ShowFigures();
  TableFigureValues figures;
  if (!ReadFigures(figures)) return false;
  // A layer chosen for another case may no longer be in use.
  if (chosenLayer_ > app_.LayerCount()) chosenLayer_ = 0;
  table_ = BuildThicknessTable(app_, thicknesses, figures, chosenLayer_);
  // The list as the table has it: in ascending order, each thickness once.
  if (table_.refused == SweepRefusal::None) {
    RememberThicknesses(app_, table_.thicknesses);
    list_->setText(ThicknessListText(table_.thicknesses));
  } else {
    RememberThicknesses(app_, thicknesses);
  }
  ShowLayers();
  ShowTable();
  DrawChart();
  return true;
}

void ThicknessTableDialog::ShowTable() {
  const bool refused = table_.refused != SweepRefusal::None;
  copy_->setEnabled(!refused);
  save_->setEnabled(!refused);
  grid_->clear();
  grid_->clearSpans();
  if (refused) {
    refusal_->setText(table_.refusal);
    grid_->setRowCount(0);
    grid_->setColumnCount(0);
    pages_->setCurrentWidget(refusal_);
    return;
  }
  pages_->setCurrentIndex(0);

  const int columns = static_cast<int>(table_.header.size());
  grid_->setColumnCount(columns);
  grid_->setRowCount(static_cast<int>(table_.rows.size()));
  for (int c = 0; c < columns; ++c) {
    auto* heading = new QTableWidgetItem(WrappedHeading(table_.header[c]));
    heading->setToolTip(table_.header[c]);
    grid_->setHorizontalHeaderItem(c, heading);
  }
  for (int r = 0; r < table_.rows.size(); ++r) {
    const QStringList& cells = table_.rows[r];
    const bool commercial = r == table_.commercialRow;
    for (int c = 0; c < columns; ++c) {
      auto* item = new QTableWidgetItem(cells.value(c));
      // Figures to the right; a row without figures holds its message.
      const bool figure = c < static_cast<int>(table_.numberColumns.size()) && table_.numberColumns[c];
      const bool number = figure && (c == 0 || table_.rowCalculated[r]);
      item->setTextAlignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      if (commercial) {
        item->setBackground(kCommercialRow);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      grid_->setItem(r, c, item);
    }
    // A thickness without figures says why across the row.
    if (r < static_cast<int>(table_.heatFlows.size()) && std::isnan(table_.heatFlows[r]) && columns > 2)
      grid_->setSpan(r, 1, 1, columns - 1);
  }
  FitColumns();
  if (table_.commercialRow >= 0) grid_->scrollToItem(grid_->item(table_.commercialRow, 0));
}

void ThicknessTableDialog::DrawChart() {
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  if (table_.refused != SweepRefusal::None || table_.thicknesses.empty()) {
    chart_->setTitle(QString());
    return;
  }

  QLocale numbers = DecimalSeparator() == ',' ? QLocale(QLocale::Spanish, QLocale::Spain) : QLocale::c();
  numbers.setNumberOptions(QLocale::OmitGroupSeparator);
  chart_->setLocale(numbers);
  chart_->setLocalizeNumbers(true);

  // Points only where a thickness has its figure; the series run in the order
  // of the thicknesses.
  auto points = [this](const std::vector<double>& values) {
    QList<QPointF> list;
    for (size_t i = 0; i < table_.thicknesses.size() && i < values.size(); ++i)
      if (std::isfinite(values[i])) list << QPointF(table_.thicknesses[i], values[i]);
    std::sort(list.begin(), list.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    return list;
  };
  auto bounds = [](const QList<QPointF>& list, bool alongX) {
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (const QPointF& p : list) {
      low = qMin(low, alongX ? p.x() : p.y());
      high = qMax(high, alongX ? p.x() : p.y());
    }
    return std::pair{low, high};
  };
  const QList<QPointF> flows = points(table_.heatFlows);
  const QList<QPointF> costs = points(table_.totalCosts);
  if (flows.isEmpty()) {
    chart_->setTitle(
        QCoreApplication::translate("ThicknessTableDialog", "Ningún espesor de la lista tiene resultados"));
    return;
  }

  chart_->setTitle(
      costs.isEmpty()
          ? QCoreApplication::translate("ThicknessTableDialog", "Flujo de calor según el espesor")
          : QCoreApplication::translate("ThicknessTableDialog", "Flujo de calor y coste total según el espesor"));

  auto* axisX = new QValueAxis;
  axisX->setTitleText(QCoreApplication::translate("ThicknessTableDialog", "Espesor de aislamiento (mm)"));
  axisX->setLabelFormat(QStringLiteral("%.0f"));
  axisX->setRange(0, bounds(flows + costs, true).second * 1.03);  // thicknesses are positive
  axisX->applyNiceNumbers();
  chart_->addAxis(axisX, Qt::AlignBottom);

  auto* axisFlow = new QValueAxis;
  axisFlow->setTitleText(
      QCoreApplication::translate("ThicknessTableDialog", "Flujo de calor (%1)").arg(table_.flowUnit));
  axisFlow->setTitleBrush(kHeatFlowColour);
  axisFlow->setLabelsColor(kHeatFlowColour.darker(120));
  // From zero, so that the fall of the heat flow reads at its true scale.
  const auto [minFlow, maxFlow] = bounds(flows, false);
  if (minFlow >= 0) {
    axisFlow->setRange(0, maxFlow > 0 ? maxFlow * 1.08 : 1.0);
    axisFlow->applyNiceNumbers();
  } else {
    SetAxisRange(axisFlow, minFlow, qMax(0.0, maxFlow), 0.08);
  }
  chart_->addAxis(axisFlow, Qt::AlignLeft);

  QLineSeries* flowSeries =
      Line(QCoreApplication::translate("ThicknessTableDialog", "Flujo de calor"), kHeatFlowColour);
  flowSeries->replace(flows);
  chart_->addSeries(flowSeries);
  flowSeries->attachAxis(axisX);
  flowSeries->attachAxis(axisFlow);

  if (!costs.isEmpty()) {
    auto* axisCost = new QValueAxis;
    axisCost->setTitleText(
        QCoreApplication::translate("ThicknessTableDialog", "Coste total (%1)").arg(table_.costUnit));
    axisCost->setTitleBrush(kCostColour);
    axisCost->setLabelsColor(kCostColour.darker(120));
    const auto [minCost, maxCost] = bounds(costs, false);
    SetAxisRange(axisCost, minCost, maxCost, 0.08);
    axisCost->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(axisCost, Qt::AlignRight);
    QLineSeries* costSeries = Line(QCoreApplication::translate("ThicknessTableDialog", "Coste total"), kCostColour);
    costSeries->replace(costs);
    chart_->addSeries(costSeries);
    costSeries->attachAxis(axisX);
    costSeries->attachAxis(axisCost);
  }

  // The commercial thickness, marked on the heat flow line.
  const int row = table_.commercialRow;
  if (row >= 0 && row < static_cast<int>(table_.heatFlows.size()) && std::isfinite(table_.heatFlows[row])) {
    auto* mark = new QScatterSeries;
    mark->setName(QCoreApplication::translate("ThicknessTableDialog", "Espesor comercial"));
    mark->setMarkerSize(13);
    mark->setColor(kCommercialRow.darker(130));
    mark->setBorderColor(Qt::black);
    mark->append(table_.thicknesses[row], table_.heatFlows[row]);
    chart_->addSeries(mark);
    mark->attachAxis(axisX);
    mark->attachAxis(axisFlow);
  }
}

void ThicknessTableDialog::CopyToClipboard() const {
  if (table_.refused != SweepRefusal::None || table_.rows.isEmpty()) return;
  if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(TableAsTabSeparated(table_));
}

QString ThicknessTableDialog::SuggestedCsvPath() const {
  if (!app_.projectPath.isEmpty()) {
    const QFileInfo project(app_.projectPath);
    return project.dir().filePath(project.completeBaseName() +
                                  QCoreApplication::translate("ThicknessTableDialog", " - espesores.csv"));
  }
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return QDir(folder).filePath(QCoreApplication::translate("ThicknessTableDialog", "Tabla de espesores.csv"));
}

void ThicknessTableDialog::SaveCsv() {
  if (table_.refused != SweepRefusal::None || table_.rows.isEmpty()) return;
  const QString path = askCsvPath(SuggestedCsvPath());
  if (!path.isEmpty()) WriteCsv(path);
}

bool ThicknessTableDialog::WriteCsv(const QString& path) {
  // UTF-8 with its byte order mark: spreadsheet programs then read the accents
  // and "º" right instead of guessing a legacy code page.
  QByteArray bytes("\xEF\xBB\xBF");
  bytes += TableAsCsv(table_).toUtf8();
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
  const QString reason = file.errorString();
  file.cancelWriting();
  tell({AttentionCaption(),
        QCoreApplication::translate("ThicknessTableDialog", "No es posible guardar la tabla en %1: %2")
            .arg(QDir::toNativeSeparators(path), reason),
        MessageButtons::Ok, MessageId::TableNotSaved});
  return false;
}
