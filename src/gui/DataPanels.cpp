// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/DataPanels.h"

#include "form/Form.h"
#include "gui/ConditionFields.h"
#include "gui/LayerTable.h"
#include "gui/PictureWidget.h"
#include "gui/RadioGroupBox.h"
#include "gui/WindowBinding.h"
#include "gui/WindowStyle.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <tuple>

namespace {

// A column heading of the layer table, written as HeadingText() lays it out.
// The mark lets the binding write a new text of the heading the same way.
QLabel* HeadingLabel(QLabel* label) {
  label->setProperty("heading", true);
  label->setText(HeadingText(label->text()));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  QFont f = label->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 0.92);
  label->setFont(f);
  // As wide as its longest word or a field, so that the spare width of the
  // table goes to the layer names rather than to unwrapped headings.
  int longest = FieldWidth(label, 7);
  for (const QString& word : label->text().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts))
    longest = qMax(longest, label->fontMetrics().horizontalAdvance(word) + 4);
  label->setMaximumWidth(longest);
  return label;
}

// Width of a number column of the layer table: that of its fields; its
// heading's longest word widens it where it must.
int ColumnWidth(const QWidget* w) { return FieldWidth(w, 7); }

}  // namespace

DataPanels::DataPanels(WindowBinding& binding) : binding_(binding) {}

QWidget* DataPanels::Build() {
  auto* content = new QWidget;
  content_ = content;
  auto* columns = new QHBoxLayout(content);
  columns->setContentsMargins(8, 6, 8, 6);
  columns->setSpacing(10);
  columns->addWidget(BuildLeftColumn(), 0);

  auto* right = new QWidget(content);
  auto* rightLayout = new QGridLayout(right);
  rightLayout_ = rightLayout;
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->setHorizontalSpacing(10);
  rightLayout->setVerticalSpacing(6);
  interior_ = BuildSurfacePanel(binding_, InteriorSide());
  rightLayout->addWidget(interior_.panel, 0, 0, Qt::AlignTop);
  exterior_ = BuildSurfacePanel(binding_, ExteriorSide());
  rightLayout->addWidget(exterior_.panel, 0, 1, Qt::AlignTop);
  auto* tableFrame = new QFrame(right);
  tableFrame->setFrameShape(QFrame::StyledPanel);
  auto* tableLayout = new QVBoxLayout(tableFrame);
  tableLayout->setContentsMargins(8, 6, 8, 8);
  tableLayout->addWidget(BuildLayerTable());
  rightLayout->addWidget(tableFrame, 1, 0, 1, 2);
  results_ = BuildResults();
  rightLayout->addWidget(results_, 2, 0, 1, 2);
  rightLayout->addWidget(BuildEconomicPanel(), 3, 0, 1, 2);
  rightLayout->setRowStretch(4, 1);
  rightLayout->setColumnStretch(0, 1);
  rightLayout->setColumnStretch(1, 1);
  columns->addWidget(right, 1);
  // The data area's height decides where the results go.
  WhenResized(content, [this] {
    if (content_->parentWidget()) PlaceResults(content_->parentWidget()->height());
  });
  return content;
}

void DataPanels::Sync(const Form& form) {
  for (const SurfacePanel* side : {&interior_, &exterior_})
    if (!side->titleSource.isEmpty()) side->title->setText(form.Text(side->titleSource));
  firstSurfaceCaption_->setText(form.Text("Panel2"));
  lastSurfaceCaption_->setText(form.Text("LabelTituloExt"));
  const int numberWidth = ColumnWidth(layerTable_);
  // The vapour and dew-point columns take room only while they are shown.
  layerTable_->Grid()->setColumnMinimumWidth(6, form.Visible("Label9") ? numberWidth : 0);
  layerTable_->Grid()->setColumnMinimumWidth(8, form.Visible("LabelDistTr") ? numberWidth : 0);
  KeepWrappedHeights();
  if (content_->parentWidget()) PlaceResults(content_->parentWidget()->height());
}

int DataPanels::ResultsHeight(int width) const {
  int tallest = 0;
  for (const char* name : {"Panel5", "PanelEconomico"}) {
    const QWidget* panel = binding_.Widget(QLatin1String(name));
    if (panel->isHidden()) continue;
    const QMargins margins = panel->layout()->contentsMargins();
    int height = margins.top() + margins.bottom();
    int lines = 0;
    for (const QLabel* line : panel->findChildren<QLabel*>()) {
      if (line->isHidden()) continue;
      // Every line wraps in the narrow column.
      height += WrappedHeight(line, width - margins.left() - margins.right());
      ++lines;
    }
    // The economic figures stand one a line in a narrow column.
    tallest = qMax(tallest, height + qMax(0, lines - 1) * 4);
  }
  return tallest;
}

void DataPanels::ArrangeEconomicLines(bool narrow) {
  struct Place {
    const char* name;
    int row, column, span;
  };
  static const Place wide[] = {{"LabelEspEco", 0, 0, 1},
                               {"LabelQEco", 0, 1, 1},
                               {"LabelRTEco", 1, 0, 2},
                               {"LabelCI", 2, 0, 1},
                               {"LabelCT", 2, 1, 1}};
  for (int i = 0; i < 5; ++i) {
    auto* line = static_cast<QLabel*>(binding_.Widget(QLatin1String(wide[i].name)));
    line->setWordWrap(narrow);
    KeepWrappedHeight(line);
    economicLines_->removeWidget(line);
    if (narrow)
      economicLines_->addWidget(line, i, 0);
    else
      economicLines_->addWidget(line, wide[i].row, wide[i].column, 1, wide[i].span);
  }
  economicLines_->setColumnStretch(0, narrow ? 1 : 0);
  economicLines_->setColumnStretch(1, narrow ? 0 : 1);
}

void DataPanels::PlaceResults(int height) {
  // What the left column holds besides the results, as the layout stacks it.
  int need = 0;
  int shown = 0;
  for (int i = 0; i < columnLayout_->count(); ++i) {
    QLayoutItem* item = columnLayout_->itemAt(i);
    if (item->widget() == results_ || item->isEmpty()) continue;
    need += item->sizeHint().height();
    ++shown;
  }
  need += shown * columnLayout_->spacing();
  const QMargins margins = content_->layout()->contentsMargins();
  const bool left = need + ResultsHeight(column_->width()) <= height - margins.top() - margins.bottom();
  if (left == resultsLeft_) return;
  resultsLeft_ = left;
  if (left) {
    rightLayout_->removeWidget(results_);
    // Under the options, above the hidden scratch field and the stretch.
    columnLayout_->insertWidget(columnLayout_->count() - 2, results_);
  } else {
    columnLayout_->removeWidget(results_);
    rightLayout_->addWidget(results_, 2, 0, 1, 2);
  }
  ArrangeEconomicLines(left);
}

void DataPanels::PlaceBoundaryLabels() { layerTable_->PlaceBoundaryLabels(); }

void DataPanels::KeepWrappedHeights() {
  for (QLabel* line : wrapped_) KeepWrappedHeight(line);
}

QWidget* DataPanels::BuildLeftColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  column_ = column;
  columnLayout_ = layout;
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(8);

  auto* reference = new QHBoxLayout;
  reference->addWidget(Caption(QCoreApplication::translate("DataPanels", "Referencia")));
  reference->addWidget(binding_.Take("EditReferencia"), 1);
  layout->addLayout(reference);

  // The element: its variant beside its drawing, and the interior diameter.
  auto* element = new QFrame;
  element->setFrameShape(QFrame::StyledPanel);
  auto* elementLayout = new QGridLayout(element);
  elementLayout->setContentsMargins(8, 6, 8, 8);
  elementLayout->setHorizontalSpacing(10);
  auto* variants = new QVBoxLayout;
  variants->addWidget(binding_.Take("RGTipoPared"));
  variants->addWidget(binding_.Take("RGTipoTuberias"));
  auto* special = binding_.Take<QFrame>("PanelEspecial");
  special->setAutoFillBackground(true);
  Paint(special, QPalette::Window, QColor(128, 0, 0));
  Paint(special, QPalette::WindowText, Qt::white);
  auto* specialLayout = new QVBoxLayout(special);
  specialLayout->setContentsMargins(4, 4, 4, 4);
  auto* otros = binding_.Take<RadioGroupBox>("RGTipoOtros");
  Paint(otros, QPalette::WindowText, Qt::white);
  otros->setFlat(true);
  specialLayout->addWidget(otros);
  variants->addWidget(special);
  variants->addStretch(1);
  elementLayout->addLayout(variants, 0, 0);
  auto* pictures = new QGridLayout;
  for (const char* name :
       {"ImagePared", "ImageSuelo", "ImageTecho", "ImageTuberia", "ImageTuberiaEnterrada", "ImageTuberiaEnterradaCaja",
        "ImageEsfera", "ImageConducto", "ImageDepositoV", "ImageDepositoH"}) {
    auto* picture = binding_.Take<PictureWidget>(name);
    picture->SetPreferredSize(QSize(FieldWidth(picture, 19), FieldWidth(picture, 19) * 3 / 4));
    pictures->addWidget(picture, 0, 0);
  }
  elementLayout->addLayout(pictures, 0, 1);
  auto* diameter = new QHBoxLayout;
  diameter->setSpacing(8);
  diameter->addWidget(Compact(binding_.Take("LabelDiaInt")));
  diameter->addWidget(binding_.Take("Editr0"));
  diameter->addWidget(binding_.Take("SBRadio"));
  diameter->addStretch(1);
  elementLayout->addLayout(diameter, 1, 0, 1, 2);
  layout->addWidget(element);

  layout->addWidget(binding_.Take("RadioGroupCalcular"));

  // The design condition: the list of the element kind, each target value on its row.
  auto* condition = binding_.Take<QGroupBox>("PanelCondicion");
  auto* conditionLayout = new QVBoxLayout(condition);
  conditionLayout->setContentsMargins(4, 2, 4, 4);
  for (const QString& name : ConditionGroups()) {
    auto* group = binding_.Take<RadioGroupBox>(name);
    group->setFlat(true);
    // Untitled in the condition's box: its rows need the width more.
    group->layout()->setContentsMargins(4, 2, 4, 4);
    conditionLayout->addWidget(group);
  }
  for (const ConditionField& f : ConditionFields()) {
    QWidget* w = binding_.Take(f.field);
    w->setProperty("gapWidth", FieldWidth(w, f.gapDigits));
    w->setParent(condition);
    w->hide();
  }
  layout->addWidget(condition);

  auto* condensation = new QHBoxLayout;
  condensation->addWidget(binding_.Take("RadioGroupCondensacion"));
  auto* never = binding_.Take<QLabel>("LNuncaCondensa");
  SetBold(never);
  condensation->addWidget(never);
  condensation->addStretch(1);
  layout->addLayout(condensation);

  auto* fluid = new QGridLayout;
  fluid->addWidget(binding_.Take("RadioGroupTempAgua"), 0, 0, 1, 3);
  fluid->addWidget(binding_.Take("RadioGroupTempAire"), 1, 0, 1, 3);
  fluid->addWidget(Compact(binding_.Take("LabelLongitud")), 2, 0);
  fluid->addWidget(binding_.Take("EditLongitud"), 2, 1);
  fluid->setColumnStretch(2, 1);
  layout->addLayout(fluid);

  // The scratch field is never shown; it lives on the window all the same.
  QWidget* scratch = binding_.Take("EditComodin");
  layout->addWidget(scratch);
  layout->addStretch(1);
  // Its own width where there is room; narrower, down to what its options
  // need, on a small screen at a large letter, so that nothing scrolls sideways.
  column->setMinimumWidth(FieldWidth(column, 38));
  column->setMaximumWidth(FieldWidth(column, 50));
  return column;
}

LayerTable* DataPanels::BuildLayerTable() {
  layerTable_ = new LayerTable;
  QGridLayout* grid = layerTable_->Grid();
  const int numberWidth = ColumnWidth(layerTable_);

  // Headings.
  auto* count = new QHBoxLayout;
  count->addWidget(Caption(QCoreApplication::translate("DataPanels", "Nº capas")));
  count->addWidget(binding_.Take("ComboBox1"));
  count->addStretch(1);
  grid->addLayout(count, 0, 0, 1, 2, Qt::AlignBottom);
  grid->addWidget(HeadingLabel(binding_.Take<QLabel>("Label19")), 0, 2);
  grid->addWidget(HeadingLabel(Caption(QCoreApplication::translate("DataPanels", "Espesor (mm)"))), 0, 3);
  grid->addWidget(HeadingLabel(Caption(QCoreApplication::translate("DataPanels", "Conductividad  (W/mºC)"))), 0, 4);
  grid->addWidget(HeadingLabel(binding_.Take<QLabel>("LabelResisT")), 0, 5);
  grid->addWidget(HeadingLabel(binding_.Take<QLabel>("Label9")), 0, 6);
  grid->addWidget(HeadingLabel(binding_.Take<QLabel>("Label10")), 0, 7);
  grid->addWidget(HeadingLabel(binding_.Take<QLabel>("LabelDistTr")), 0, 8);
  for (int column = 3; column <= 8; ++column) grid->setColumnMinimumWidth(column, numberWidth);

  // The interior surface, the layers from the inside out, the box, the exterior surface.
  firstSurfaceCaption_ = Caption(QString());
  lastSurfaceCaption_ = Caption(QString());
  for (QLabel* surface : {firstSurfaceCaption_, lastSurfaceCaption_}) {
    QFont f = surface->font();
    f.setItalic(true);
    surface->setFont(f);
    surface->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  grid->addWidget(firstSurfaceCaption_, 1, 1);
  grid->addWidget(binding_.Take("Edit0RT"), 1, 5, Qt::AlignHCenter);
  for (int n = 1; n <= 6; ++n) {
    const int row = n + 1;
    const QString i = QString::number(n);
    grid->addWidget(binding_.Take(QStringLiteral("SpeedButton%1").arg(10 + n)), row, 0);
    grid->addWidget(binding_.Take("ENombre" + i), row, 1);
    grid->addWidget(binding_.Take("RBAislante" + i), row, 2, Qt::AlignHCenter);
    grid->addWidget(binding_.Take("Edit" + i + "e"), row, 3, Qt::AlignHCenter);
    grid->addWidget(binding_.Take("Edit" + i + "k"), row, 4, Qt::AlignHCenter);
    grid->addWidget(binding_.Take("Edit" + i + "RT"), row, 5, Qt::AlignHCenter);
    grid->addWidget(binding_.Take("Editrv" + i), row, 6, Qt::AlignHCenter);
  }
  auto* box = new QHBoxLayout;
  box->addWidget(binding_.Take("LabelCaja"));
  box->addWidget(binding_.Take("ComboBoxCaja"));
  box->addStretch(1);
  grid->addLayout(box, 8, 0, 1, 2);
  grid->addWidget(binding_.Take("EditeCaja"), 8, 3, Qt::AlignHCenter);
  grid->addWidget(binding_.Take("EditkCaja"), 8, 4, Qt::AlignHCenter);
  grid->addWidget(binding_.Take("EditRTCaja"), 8, 5, Qt::AlignHCenter);
  grid->addWidget(lastSurfaceCaption_, 9, 1);
  grid->addWidget(binding_.Take("Edit10RT"), 9, 5, Qt::AlignHCenter);
  // The note of a tank: its temperatures are those of the lateral wall.
  auto* lateral = binding_.Take<QLabel>("LabelTlateral");
  QFont note = lateral->font();
  note.setItalic(true);
  lateral->setFont(note);
  lateral->setAlignment(Qt::AlignCenter);
  grid->addWidget(lateral, 10, 6, 1, 3);
  // The layer names share the spare width: a material's name is read whole.
  grid->setColumnStretch(1, 1);

  // Interface temperatures and dew points sit on the lines between the rows.
  layerTable_->AddBoundaryLabel(binding_.Take<QLabel>("LT0"), binding_.Widget("Edit0RT"), 7);
  layerTable_->AddBoundaryLabel(binding_.Take<QLabel>("LTR0"), binding_.Widget("Edit0RT"), 8);
  for (int n = 1; n <= 6; ++n) {
    QWidget* anchor = binding_.Widget(QStringLiteral("Edit%1RT").arg(n));
    layerTable_->AddBoundaryLabel(binding_.Take<QLabel>(QStringLiteral("LT%1").arg(n)), anchor, 7);
    layerTable_->AddBoundaryLabel(binding_.Take<QLabel>(QStringLiteral("LTR%1").arg(n)), anchor, 8);
  }
  layerTable_->AddBoundaryLabel(binding_.Take<QLabel>("LTCaja"), binding_.Widget("EditRTCaja"), 7);
  for (const char* prefix : {"LT", "LTR"}) {
    for (int n = 0; n <= 6; ++n) {
      auto* label = static_cast<QLabel*>(binding_.Widget(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n)));
      label->setAlignment(Qt::AlignCenter);
      SetBold(label);
      Paint(label, QPalette::WindowText,
            QLatin1String(prefix) == QLatin1String("LT") ? QColor(160, 40, 20) : QColor(31, 95, 139));
    }
  }
  auto* boxTemperature = static_cast<QLabel*>(binding_.Widget("LTCaja"));
  boxTemperature->setAlignment(Qt::AlignCenter);
  SetBold(boxTemperature);
  Paint(boxTemperature, QPalette::WindowText, QColor(160, 40, 20));
  return layerTable_;
}

QWidget* DataPanels::BuildResults() {
  auto* holder = new QWidget;
  auto* stack = new QGridLayout(holder);
  stack->setContentsMargins(0, 0, 0, 0);
  const QColor fuchsia(255, 0, 255);

  auto* results = binding_.Take<QFrame>("Panel5");
  results->setAutoFillBackground(true);
  Paint(results, QPalette::Window, fuchsia);
  auto* lines = new QVBoxLayout(results);
  lines->setContentsMargins(14, 8, 14, 8);
  lines->setSpacing(4);
  // Each line wraps when the panel is narrow; the regulation's minimum
  // thickness, a long sentence, in the window's plain type.
  for (const char* name : {"LabelEsp", "LabelRT", "LabelQ", "LabelRITE"}) {
    auto* line = binding_.Take<QLabel>(name);
    if (QLatin1String(name) != QLatin1String("LabelRITE")) SetBold(line, 1.1);
    Paint(line, QPalette::WindowText, Qt::white);
    WrapToWidth(line);
    wrapped_ << line;
    lines->addWidget(line);
  }

  // The economic figures take the same place, over the result lines.
  auto* economic = binding_.Take<QFrame>("PanelEconomico");
  economic->setAutoFillBackground(true);
  Paint(economic, QPalette::Window, fuchsia);
  auto* ecoLines = new QGridLayout(economic);
  economicLines_ = ecoLines;
  ecoLines->setContentsMargins(14, 8, 14, 8);
  ecoLines->setVerticalSpacing(4);
  ecoLines->setHorizontalSpacing(24);
  const QList<std::tuple<const char*, int, int, int>> places = {{"LabelEspEco", 0, 0, 1},
                                                                {"LabelQEco", 0, 1, 1},
                                                                {"LabelRTEco", 1, 0, 2},
                                                                {"LabelCI", 2, 0, 1},
                                                                {"LabelCT", 2, 1, 1}};
  for (const auto& [name, row, column, span] : places) {
    auto* line = binding_.Take<QLabel>(name);
    SetBold(line, 1.1);
    Paint(line, QPalette::WindowText, Qt::white);
    WrapToWidth(line);
    line->setWordWrap(false);  // in two columns the lines keep whole (ArrangeEconomicLines)
    wrapped_ << line;
    ecoLines->addWidget(line, row, column, 1, span);
  }
  ecoLines->setColumnStretch(1, 1);

  stack->addWidget(results, 0, 0);
  stack->addWidget(economic, 0, 0);
  return holder;
}

QWidget* DataPanels::BuildEconomicPanel() {
  // The captions are the window's own; the cost unit follows the element kind.
  // Two columns of figures, each caption with its unit beside its field, and
  // the two cost points under their headings.
  auto* eco = binding_.Take<QGroupBox>("GroupBoxEco");
  auto* layout = new QGridLayout(eco);
  layout->setContentsMargins(10, 4, 10, 8);
  layout->setVerticalSpacing(3);
  layout->setHorizontalSpacing(6);
  struct Figure {
    const char* caption;
    const char* unit;
    const char* field;
  };
  int row = 0;
  for (const Figure& f : {Figure{QT_TRANSLATE_NOOP("DataPanels", "Inflación combustible"), "%", "EditInf"},
                          Figure{QT_TRANSLATE_NOOP("DataPanels", "Coste oportunidad dinero"), "%", "EditOpor"},
                          Figure{QT_TRANSLATE_NOOP("DataPanels", "Años vida instalación"), "", "EditNa"},
                          Figure{QT_TRANSLATE_NOOP("DataPanels", "Horas funcionamiento al año"), "", "EditNh"},
                          Figure{QT_TRANSLATE_NOOP("DataPanels", "Coste energía térmica"), "", "EditCET"}}) {
    const int column = (row / 3) * 4;
    // A long caption goes on two lines when the window is narrow.
    QLabel* caption = Caption(QCoreApplication::translate("DataPanels", f.caption));
    WrapToWidth(caption);
    layout->addWidget(caption, row % 3, column);
    layout->addWidget(Caption(QString::fromUtf8(f.unit)), row % 3, column + 1);
    layout->addWidget(binding_.Take(f.field), row % 3, column + 2);
    ++row;
  }
  layout->setColumnMinimumWidth(3, 18);
  layout->setColumnMinimumWidth(7, 18);
  auto* thickness = Caption(QCoreApplication::translate("DataPanels", "Espesor (mm)"));
  thickness->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  layout->addWidget(thickness, 0, 8);
  auto* cost = new QVBoxLayout;
  cost->setSpacing(0);
  auto* costCaption = Caption(QCoreApplication::translate("DataPanels", "Coste aislamiento"));
  costCaption->setAlignment(Qt::AlignHCenter);
  cost->addWidget(costCaption);
  auto* costUnit = binding_.Take<QLabel>("Label29");
  costUnit->setAlignment(Qt::AlignHCenter);
  cost->addWidget(costUnit);
  layout->addLayout(cost, 0, 9, Qt::AlignBottom);
  for (int n = 1; n <= 2; ++n) {
    layout->addWidget(binding_.Take(QStringLiteral("EditEsp%1").arg(n)), n, 8, Qt::AlignHCenter);
    layout->addWidget(binding_.Take(QStringLiteral("EditCI%1").arg(n)), n, 9, Qt::AlignHCenter);
  }
  layout->setColumnStretch(10, 1);
  return eco;
}
