#include "gui/MainWindow.h"

#include "gui/ChartPanel.h"
#include "gui/WindowServices.h"
#include "gui/WindowWidgets.h"
#include "app/Brenak.h"
#include "app/StartUp.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

namespace {

const QStringList kConditionGroups = {"RadioGroupCondicionP", "RadioGroupCondicionT", "RadioGroupCondicionTE",
                                      "RadioGroupCondicionE", "RadioGroupConductos", "RadioGroupDepositos"};
const QStringList kChooserPanels = {"PMateriales", "PEleccionTub", "PCoefEmision", "PanelTTerreno"};
// Controls that float over the window rather than sit in its layout.
const QStringList kOverlays = {"Chart1", "Panel6", "PMateriales", "PEleccionTub", "PCoefEmision", "PanelTTerreno"};

// The row of each condition group that a condition field rides on. A group
// missing from a field's list does not show that field.
struct ConditionField {
  const char* field;
  QHash<QString, int> rows;
};
const QList<ConditionField>& ConditionFields() {
  static const QList<ConditionField> fields = {
      {"EditCondicionQ",
       {{"RadioGroupCondicionP", 0}, {"RadioGroupCondicionT", 0}, {"RadioGroupCondicionTE", 0},
        {"RadioGroupCondicionE", 0}, {"RadioGroupConductos", 0}, {"RadioGroupDepositos", 0}}},
      {"EditCondicionPor",
       {{"RadioGroupCondicionP", 1}, {"RadioGroupCondicionT", 1}, {"RadioGroupCondicionTE", 1},
        {"RadioGroupCondicionE", 1}, {"RadioGroupConductos", 1}, {"RadioGroupDepositos", 1}}},
      {"EditCondicionRT",
       {{"RadioGroupCondicionP", 2}, {"RadioGroupCondicionT", 2}, {"RadioGroupCondicionTE", 2},
        {"RadioGroupCondicionE", 2}, {"RadioGroupConductos", 2}}},
      {"EditCondicionTe",
       {{"RadioGroupCondicionP", 4}, {"RadioGroupCondicionT", 4}, {"RadioGroupCondicionE", 4},
        {"RadioGroupConductos", 4}}},
      {"EditCondicionTi", {{"RadioGroupCondicionP", 6}}},
      {"EditTf", {{"RadioGroupCondicionT", 6}}},
      {"EditLong", {{"RadioGroupCondicionT", 6}}},
      {"EditCondicionTCong", {{"RadioGroupCondicionT", 7}}},
      {"EditCondicionPorCong", {{"RadioGroupCondicionT", 7}}},
  };
  return fields;
}

int GroupColumns(const QString& name) {
  static const QHash<QString, int> columns = {
      {"RadioGroupCalcular", 2}, {"RadioGroupCondensacion", 2}, {"RadioGroupTempAgua", 2},
      {"RadioGroupTempAire", 2}, {"RGhi", 3},                   {"RGhe", 3},
      {"RGAmbientehe", 2},       {"RadioGroupTerreno", 2},      {"RGMatPlacas", 2},
      {"RGTubAcero", 3},         {"RGTubCobreBpulg", 2},        {"RGTubCobreRpulg", 2},
      {"RGTubCobreCalef", 2}};
  return columns.value(name, 1);
}

// Toolbar: button, picture, shortcut.
struct ToolbarEntry {
  const char* name;
  const char* icon;
  QKeySequence key;
};
const QList<ToolbarEntry>& ToolbarEntries() {
  static const QList<ToolbarEntry> entries = {
      {"SBNuevo", "nuevo", QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"SBAbrir", "abrir", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"SBGuardar", "guardar", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"SBImpresor", "imprimir", QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"SBImpresor2", "acerca", QKeySequence(Qt::Key_F1)},
      {nullptr, nullptr, {}},
      {"SpeedButton1", "calcular", QKeySequence(Qt::Key_F9)},
      {"SpeedButton7", "grafica", QKeySequence(Qt::CTRL | Qt::Key_G)},
      {nullptr, nullptr, {}},
      {"SpeedButton2", "placa", QKeySequence(Qt::CTRL | Qt::Key_1)},
      {"SpeedButton4", "tuberia", QKeySequence(Qt::CTRL | Qt::Key_2)},
      {"SpeedButton5", "esfera", QKeySequence(Qt::CTRL | Qt::Key_3)},
      {"SpeedButton23", "especiales", QKeySequence(Qt::CTRL | Qt::Key_4)},
      {nullptr, nullptr, {}},
      {"SpeedButton3", "cerrar", QKeySequence(Qt::CTRL | Qt::Key_Q)},
  };
  return entries;
}

bool IsToolbarButton(const QString& name) {
  for (const ToolbarEntry& e : ToolbarEntries())
    if (e.name && name == QLatin1String(e.name)) return true;
  return false;
}

QLabel* Caption(const QString& text, QWidget* parent = nullptr) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A column heading as the window shows it: the runs of blanks that spaced its
// words into lines become line breaks, and a unit in parentheses stays whole.
QString HeadingText(const QString& text) {
  static const QRegularExpression blanks(QStringLiteral(" {2,}"));
  QString shown = text.trimmed();
  shown.replace(blanks, QStringLiteral("\n"));
  int depth = 0;
  QString kept;
  for (const QChar c : shown) {
    if (c == QLatin1Char('(')) ++depth;
    if (c == QLatin1Char(')')) depth = qMax(0, depth - 1);
    if (depth > 0 && c == QLatin1Char(' ')) kept += QChar(0x00A0);
    else if (depth > 0 && c == QLatin1Char('/')) kept += QStringLiteral("/\u2060");
    else kept += c;
  }
  return kept;
}

QLabel* HeadingLabel(QLabel* label) {
  label->setProperty("heading", true);
  label->setText(HeadingText(label->text()));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  QFont f = label->font();
  f.setBold(true);
  f.setPointSizeF(f.pointSizeF() * 0.92);
  label->setFont(f);
  return label;
}

void SetBold(QWidget* w, double scale = 1.0) {
  QFont f = w->font();
  f.setBold(true);
  if (scale != 1.0) f.setPointSizeF(f.pointSizeF() * scale);
  w->setFont(f);
}

void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(role, colour);
  w->setPalette(p);
}

// Width of a field that holds `chars` digits.
int FieldWidth(const QWidget* w, int chars) {
  return w->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 14;
}

// Width of a number column of the layer table.
int ColumnWidth(const QWidget* w) { return FieldWidth(w, 8) + 4; }

QFrame* PlainFrame(QWidget* parent = nullptr) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::NoFrame);
  return frame;
}

// A panel with a bold title line over its body.
QFrame* TitledFrame(QLabel* title, QLayout* body, QWidget* parent = nullptr) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(4);
  SetBold(title, 1.05);
  Paint(title, QPalette::WindowText, QColor(13, 59, 102));
  layout->addWidget(title);
  layout->addLayout(body);
  return frame;
}

}  // namespace

template <typename T>
T* MainWindow::Take(const QString& name) {
  QWidget* w = widgets_.value(name);
  if (!w) qFatal("Brenak: the window places a control the form lacks: %s", qPrintable(name));
  placed_.insert(name);
  return static_cast<T*>(w);
}

MainWindow::MainWindow(Brenak& app, QWidget* parent) : QMainWindow(parent), app_(app) {
  setObjectName(QStringLiteral("FBrenak"));
  setWindowTitle(kMainWindowCaption);
  setWindowIcon(QIcon(QStringLiteral(":/icons/brenak.svg")));

  central_ = new QWidget(this);
  central_->setObjectName(QStringLiteral("DataArea"));
  setCentralWidget(central_);

  for (const Control& c : app_.form.Controls()) {
    QWidget* w = CreateWidget(c);
    w->setObjectName(c.name);
    widgets_.insert(c.name, w);
  }

  BuildToolbar();

  scroll_ = new QScrollArea(central_);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget;
  auto* columns = new QHBoxLayout(content);
  columns->setContentsMargins(10, 8, 10, 10);
  columns->setSpacing(12);
  columns->addWidget(BuildLeftColumn(), 0);

  auto* right = new QWidget(content);
  auto* rightLayout = new QGridLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->setHorizontalSpacing(10);
  rightLayout->setVerticalSpacing(10);
  rightLayout->addWidget(BuildInteriorPanel(), 0, 0, Qt::AlignTop);
  rightLayout->addWidget(BuildExteriorPanel(), 0, 1, Qt::AlignTop);
  auto* tableFrame = new QFrame(right);
  tableFrame->setFrameShape(QFrame::StyledPanel);
  auto* tableLayout = new QVBoxLayout(tableFrame);
  tableLayout->setContentsMargins(8, 6, 8, 8);
  tableLayout->addWidget(BuildLayerTable());
  rightLayout->addWidget(tableFrame, 1, 0, 1, 2);
  rightLayout->addWidget(BuildResults(), 2, 0, 1, 2);
  rightLayout->addWidget(BuildEconomicPanel(), 3, 0, 1, 2);
  rightLayout->setRowStretch(4, 1);
  rightLayout->setColumnStretch(0, 1);
  rightLayout->setColumnStretch(1, 1);
  columns->addWidget(right, 1);
  scroll_->setWidget(content);

  auto* centralLayout = new QVBoxLayout(central_);
  centralLayout->setContentsMargins(0, 0, 0, 0);
  centralLayout->addWidget(scroll_);

  // The chart shows over the data, the choosers float over it.
  chart_ = Take<ChartPanel>("Chart1");
  chart_->setParent(central_);
  chart_->ButtonBar()->addWidget(Take("SpeedButton6"));
  chart_->setFocusPolicy(Qt::StrongFocus);
  chart_->hide();
  BuildChoosers(central_);
  BuildWelcome();
  BuildShortcuts();
  central_->installEventFilter(this);

  for (const Control& c : app_.form.Controls())
    if (!placed_.contains(c.name)) qWarning("Brenak: control %s has no place on the window", qPrintable(c.name));

  Sync();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::CreateWidget(const Control& c) {
  const QString name = c.name;
  switch (c.type) {
    case ControlType::Edit: {
      auto* edit = new FieldEdit(this);
      if (name.startsWith(QLatin1String("ENombre"))) {
        edit->setMinimumWidth(FieldWidth(edit, 17));
      } else if (name != QLatin1String("EditReferencia")) {
        const int width = FieldWidth(edit, name.startsWith(QLatin1String("Editrv")) ? 8 : 7);
        edit->setFixedWidth(width);
        edit->setProperty("fieldWidth", width);
      }
      connect(edit, &FieldEdit::clicked, this, [this, name] { Forward([this, name] { app_.form.UserClick(name); }); });
      connect(edit, &FieldEdit::left, this, [this, name] { Forward([this, name] { app_.form.UserLeave(name); }); });
      connect(edit, &FieldEdit::typed, this, [this, name](const QString& text) {
        if (!syncing_) Forward([this, name, text] { app_.form.UserType(name, text); });
      });
      return edit;
    }
    case ControlType::Label: {
      auto* label = Caption(c.text, this);
      return label;
    }
    case ControlType::RadioGroup: {
      auto* group = new RadioGroupBox(GroupColumns(name), this);
      connect(group, &RadioGroupBox::rowClicked, this,
              [this, name](int row) { Forward([this, name, row] { app_.form.UserSelect(name, row); }); });
      return group;
    }
    case ControlType::ComboBox: {
      auto* combo = new QComboBox(this);
      combo->addItems(c.items);
      connect(combo, &QComboBox::activated, this,
              [this, name](int row) { Forward([this, name, row] { app_.form.UserSelect(name, row); }); });
      return combo;
    }
    case ControlType::RadioButton: {
      auto* mark = new QRadioButton(this);
      mark->setAutoExclusive(false);  // the model keeps the marks exclusive
      mark->setToolTip(QStringLiteral("Capa de aislamiento"));
      connect(mark, &QRadioButton::clicked, this,
              [this, name] { Forward([this, name] { app_.form.UserCheck(name); }); });
      return mark;
    }
    case ControlType::Button: {
      QAbstractButton* button;
      if (IsToolbarButton(name) || c.text == QLatin1String("...") || name == QLatin1String("SBRadio")) {
        auto* tool = new QToolButton(this);
        tool->setFocusPolicy(Qt::TabFocus);
        button = tool;
      } else {
        button = new QPushButton(this);
        button->setFocusPolicy(Qt::TabFocus);
      }
      // A button pressed with the mouse leaves the focus where it is: pressing
      // one is no leave of the field being edited.
      button->setText(ButtonCaption(c.text));
      connect(button, &QAbstractButton::clicked, this, [this, name] { ClickButton(name); });
      return button;
    }
    case ControlType::Panel: {
      if (kChooserPanels.contains(name)) return new FloatingPanel(this);
      if (name == QLatin1String("PanelCondicion") || name == QLatin1String("GroupBoxEco")) return new QGroupBox(this);
      return PlainFrame(this);
    }
    case ControlType::Picture: {
      auto* picture = new PictureWidget(QStringLiteral(":/pictures/%1.svg").arg(name), this);
      connect(picture, &PictureWidget::clicked, this,
              [this, name] { Forward([this, name] { app_.form.UserClick(name); }); });
      return picture;
    }
    case ControlType::Chart:
      return new ChartPanel(this);
  }
  return new QWidget(this);
}

// ------------------------------------------------------------------ layout

void MainWindow::BuildToolbar() {
  toolbar_ = new QToolBar(QStringLiteral("Órdenes"), this);
  toolbar_->setObjectName(QStringLiteral("Toolbar"));
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setIconSize(QSize(24, 24));
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
  for (const ToolbarEntry& e : ToolbarEntries()) {
    if (!e.name) {
      toolbar_->addSeparator();
      continue;
    }
    auto* button = Take<QToolButton>(e.name);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(e.icon)));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(24, 24));
    button->setMinimumWidth(FieldWidth(button, 7));
    if (QLatin1String(e.name) == QLatin1String("SpeedButton3")) {
      auto* spacer = new QWidget(toolbar_);
      spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
      toolbar_->addWidget(spacer);
    }
    toolbar_->addWidget(button);
  }
  addToolBar(Qt::TopToolBarArea, toolbar_);
}

QWidget* MainWindow::BuildLeftColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(8);

  auto* reference = new QHBoxLayout;
  reference->addWidget(Caption(QStringLiteral("Referencia")));
  reference->addWidget(Take("EditReferencia"), 1);
  layout->addLayout(reference);

  // The element: its variant beside its drawing, and the interior diameter.
  auto* element = new QFrame;
  element->setFrameShape(QFrame::StyledPanel);
  auto* elementLayout = new QGridLayout(element);
  elementLayout->setContentsMargins(8, 6, 8, 8);
  elementLayout->setHorizontalSpacing(10);
  auto* variants = new QVBoxLayout;
  variants->addWidget(Take("RGTipoPared"));
  variants->addWidget(Take("RGTipoTuberias"));
  auto* special = Take<QFrame>("PanelEspecial");
  special->setAutoFillBackground(true);
  Paint(special, QPalette::Window, QColor(128, 0, 0));
  Paint(special, QPalette::WindowText, Qt::white);
  auto* specialLayout = new QVBoxLayout(special);
  specialLayout->setContentsMargins(4, 4, 4, 4);
  auto* otros = Take<RadioGroupBox>("RGTipoOtros");
  Paint(otros, QPalette::WindowText, Qt::white);
  otros->setFlat(true);
  specialLayout->addWidget(otros);
  variants->addWidget(special);
  variants->addStretch(1);
  elementLayout->addLayout(variants, 0, 0);
  auto* pictures = new QGridLayout;
  for (const char* name : {"ImagePared", "ImageSuelo", "ImageTecho", "ImageTuberia", "ImageTuberiaEnterrada",
                           "ImageTuberiaEnterradaCaja", "ImageEsfera", "ImageConducto", "ImageDepositoV",
                           "ImageDepositoH"}) {
    auto* picture = Take<PictureWidget>(name);
    picture->SetPreferredSize(QSize(FieldWidth(picture, 22), FieldWidth(picture, 22) * 3 / 4));
    pictures->addWidget(picture, 0, 0);
  }
  elementLayout->addLayout(pictures, 0, 1);
  auto* diameter = new QHBoxLayout;
  diameter->setSpacing(8);
  diameter->addWidget(Take("LabelDiaInt"));
  diameter->addWidget(Take("Editr0"));
  diameter->addWidget(Take("SBRadio"));
  diameter->addStretch(1);
  elementLayout->addLayout(diameter, 1, 0, 1, 2);
  layout->addWidget(element);

  layout->addWidget(Take("RadioGroupCalcular"));

  // The design condition: the list of the element kind, each target value on its row.
  auto* condition = Take<QGroupBox>("PanelCondicion");
  auto* conditionLayout = new QVBoxLayout(condition);
  conditionLayout->setContentsMargins(4, 2, 4, 4);
  for (const QString& name : kConditionGroups) {
    auto* group = Take<RadioGroupBox>(name);
    group->setFlat(true);
    conditionLayout->addWidget(group);
  }
  for (const ConditionField& f : ConditionFields()) {
    QWidget* w = Take(f.field);
    w->setParent(condition);
    w->hide();
  }
  layout->addWidget(condition);

  auto* condensation = new QHBoxLayout;
  condensation->addWidget(Take("RadioGroupCondensacion"));
  auto* never = Take<QLabel>("LNuncaCondensa");
  SetBold(never);
  condensation->addWidget(never);
  condensation->addStretch(1);
  layout->addLayout(condensation);

  auto* fluid = new QGridLayout;
  fluid->addWidget(Take("RadioGroupTempAgua"), 0, 0, 1, 3);
  fluid->addWidget(Take("RadioGroupTempAire"), 1, 0, 1, 3);
  fluid->addWidget(Take("LabelLongitud"), 2, 0);
  fluid->addWidget(Take("EditLongitud"), 2, 1);
  fluid->setColumnStretch(2, 1);
  layout->addLayout(fluid);

  // The scratch field is never shown; it lives on the window all the same.
  QWidget* scratch = Take("EditComodin");
  layout->addWidget(scratch);
  layout->addStretch(1);
  column->setFixedWidth(FieldWidth(column, 50));
  return column;
}

QWidget* MainWindow::BuildEconomicPanel() {
  // The captions are the window's own; the cost unit follows the element kind.
  auto* eco = Take<QGroupBox>("GroupBoxEco");
  auto* layout = new QGridLayout(eco);
  layout->setContentsMargins(10, 4, 10, 8);
  layout->setVerticalSpacing(3);
  layout->setHorizontalSpacing(8);
  int row = 0;
  for (auto [caption, field] : {std::pair{"Inflacción combustible            %", "EditInf"},
                                std::pair{"Coste oportunidad dinero                    %", "EditOpor"},
                                std::pair{"Años vida instalación", "EditNa"},
                                std::pair{"Horas funcionamiento al año", "EditNh"},
                                std::pair{"Coste energia térmica", "EditCET"}}) {
    layout->addWidget(Caption(QString::fromUtf8(caption)), row % 3, (row / 3) * 3);
    layout->addWidget(Take(field), row % 3, (row / 3) * 3 + 1);
    ++row;
  }
  layout->setColumnMinimumWidth(2, 24);
  layout->setColumnMinimumWidth(5, 24);
  auto* thickness = Caption(QStringLiteral("Espesor (mm)"));
  thickness->setAlignment(Qt::AlignCenter);
  layout->addWidget(thickness, 0, 6);
  auto* cost = new QHBoxLayout;
  cost->setSpacing(6);
  cost->addWidget(Caption(QStringLiteral("Coste aislamiento")));
  cost->addWidget(Take("Label29"));
  layout->addLayout(cost, 0, 7);
  for (int n = 1; n <= 2; ++n) {
    layout->addWidget(Take(QStringLiteral("EditEsp%1").arg(n)), n, 6, Qt::AlignHCenter);
    layout->addWidget(Take(QStringLiteral("EditCI%1").arg(n)), n, 7, Qt::AlignLeft);
  }
  layout->setColumnStretch(8, 1);
  return eco;
}

QWidget* MainWindow::BuildInteriorPanel() {
  auto* panel = Take<QFrame>("Panel2");
  panel->setFrameShape(QFrame::StyledPanel);
  interiorTitle_ = Caption(QString());
  SetBold(interiorTitle_, 1.05);
  Paint(interiorTitle_, QPalette::WindowText, QColor(13, 59, 102));
  auto* layout = new QGridLayout(panel);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setVerticalSpacing(4);
  layout->addWidget(interiorTitle_, 0, 0, 1, 2);
  layout->addWidget(Take("Label11"), 1, 0);
  layout->addWidget(Take("EditTi"), 1, 1, Qt::AlignLeft);
  layout->addWidget(Take("LabelHrI"), 2, 0);
  layout->addWidget(Take("EditFiI"), 2, 1, Qt::AlignLeft);
  layout->addWidget(Take("RGhi"), 3, 0, 1, 2);

  auto* coef = Take<QFrame>("PCoefInt");
  auto* grid = new QGridLayout(coef);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(6);
  grid->addWidget(Take("Labelhi"), 0, 0);
  grid->addWidget(Take("EditCoefInt"), 0, 1);
  grid->addWidget(Take("Labelhci"), 1, 0);
  grid->addWidget(Take("Edithci"), 1, 1);
  grid->addWidget(Take("Labelhrri"), 2, 0);
  grid->addWidget(Take("Edithri"), 2, 1);
  grid->setColumnMinimumWidth(2, 10);
  grid->addWidget(Take("LabelAlthi"), 0, 3);
  grid->addWidget(Take("EditAlthi"), 0, 4);
  grid->addWidget(Take("LabelAnchura"), 1, 3);
  grid->addWidget(Take("EditAnchura"), 1, 4);
  grid->addWidget(Take("Labelemisionhi"), 2, 3);
  grid->addWidget(Take("Editemisionhi"), 2, 4);
  grid->addWidget(Take("SpeedButton21"), 2, 5);
  grid->addWidget(Take("Labelvelhi"), 3, 3);
  grid->addWidget(Take("Editvelhi"), 3, 4);
  grid->setColumnStretch(6, 1);
  layout->addWidget(coef, 4, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(5, 1);
  return panel;
}

QWidget* MainWindow::BuildExteriorPanel() {
  auto* body = new QVBoxLayout;
  body->setSpacing(4);

  auto* exterior = Take<QFrame>("PanelExterior");
  auto* layout = new QGridLayout(exterior);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setVerticalSpacing(4);
  layout->addWidget(Take("Label12"), 0, 0);
  layout->addWidget(Take("EditTe"), 0, 1, Qt::AlignLeft);
  layout->addWidget(Take("LabelHrE"), 1, 0);
  layout->addWidget(Take("EditFiE"), 1, 1, Qt::AlignLeft);
  layout->addWidget(Take("RGhe"), 2, 0, 1, 2);
  auto* coef = Take<QFrame>("PCoefExt");
  auto* grid = new QGridLayout(coef);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(6);
  grid->addWidget(Take("Labelhe"), 0, 0);
  grid->addWidget(Take("EditCoefext"), 0, 1);
  grid->addWidget(Take("Labelhce"), 1, 0);
  grid->addWidget(Take("Edithce"), 1, 1);
  grid->addWidget(Take("Labelhrre"), 2, 0);
  grid->addWidget(Take("Edithre"), 2, 1);
  grid->setColumnMinimumWidth(2, 10);
  grid->addWidget(Take("RGAmbientehe"), 0, 3, 1, 3);
  grid->addWidget(Take("LabelAlthe"), 1, 3);
  grid->addWidget(Take("EditAlthe"), 1, 4);
  grid->addWidget(Take("Labelemisionhe"), 2, 3);
  grid->addWidget(Take("Editemisionhe"), 2, 4);
  grid->addWidget(Take("SpeedButton22"), 2, 5);
  grid->addWidget(Take("Labelvelhe"), 3, 3);
  grid->addWidget(Take("Editvelhe"), 3, 4);
  grid->setColumnStretch(6, 1);
  layout->addWidget(coef, 3, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  body->addWidget(exterior);

  auto* soil = Take<QFrame>("PanelTerreno");
  auto* soilLayout = new QGridLayout(soil);
  soilLayout->setContentsMargins(0, 0, 0, 0);
  soilLayout->setVerticalSpacing(4);
  auto* soilTemperature = new QHBoxLayout;
  soilTemperature->setSpacing(8);
  soilTemperature->addWidget(Take("Label30"));
  soilTemperature->addWidget(Take("EditTsuelo"));
  soilTemperature->addWidget(Take("SpeedButton26"));
  soilTemperature->addStretch(1);
  soilLayout->addLayout(soilTemperature, 0, 0, 1, 5);
  soilLayout->addWidget(Take("RadioGroupTerreno"), 1, 0, 1, 5);
  soilLayout->addWidget(Take("LabelProfundidad"), 2, 0);
  soilLayout->addWidget(Take("EditProfundidad"), 2, 1);
  soilLayout->addWidget(Take("LabelkTerreno"), 3, 0);
  soilLayout->addWidget(Take("EditkTerreno"), 3, 1);
  soilLayout->setColumnMinimumWidth(2, 10);
  soilLayout->addWidget(Take("LabelHumedad"), 2, 3);
  soilLayout->addWidget(Take("EditHumedad"), 2, 4);
  soilLayout->addWidget(Take("LabelDensidad"), 3, 3);
  soilLayout->addWidget(Take("EditDensidad"), 3, 4);
  soilLayout->setColumnStretch(5, 1);
  body->addWidget(soil);
  body->addStretch(1);

  return TitledFrame(Take<QLabel>("LabelTituloExt"), body);
}

LayerTable* MainWindow::BuildLayerTable() {
  layerTable_ = new LayerTable;
  QGridLayout* grid = layerTable_->Grid();
  // Wide enough for a field and a heading of two short words per line.
  const int numberWidth = ColumnWidth(layerTable_);

  // Headings.
  auto* count = new QHBoxLayout;
  count->addWidget(Caption(QStringLiteral("Nº capas")));
  count->addWidget(Take("ComboBox1"));
  count->addStretch(1);
  grid->addLayout(count, 0, 0, 1, 2, Qt::AlignBottom);
  grid->addWidget(HeadingLabel(Take<QLabel>("Label19")), 0, 2);
  grid->addWidget(HeadingLabel(Caption(QStringLiteral("Espesor (mm)"))), 0, 3);
  grid->addWidget(HeadingLabel(Caption(QStringLiteral("Conductividad  (W/mºC)"))), 0, 4);
  grid->addWidget(HeadingLabel(Take<QLabel>("LabelResisT")), 0, 5);
  grid->addWidget(HeadingLabel(Take<QLabel>("Label9")), 0, 6);
  grid->addWidget(HeadingLabel(Take<QLabel>("Label10")), 0, 7);
  grid->addWidget(HeadingLabel(Take<QLabel>("LabelDistTr")), 0, 8);
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
  grid->addWidget(Take("Edit0RT"), 1, 5, Qt::AlignHCenter);
  for (int n = 1; n <= 6; ++n) {
    const int row = n + 1;
    const QString i = QString::number(n);
    grid->addWidget(Take(QStringLiteral("SpeedButton%1").arg(10 + n)), row, 0);
    grid->addWidget(Take("ENombre" + i), row, 1);
    grid->addWidget(Take("RBAislante" + i), row, 2, Qt::AlignHCenter);
    grid->addWidget(Take("Edit" + i + "e"), row, 3, Qt::AlignHCenter);
    grid->addWidget(Take("Edit" + i + "k"), row, 4, Qt::AlignHCenter);
    grid->addWidget(Take("Edit" + i + "RT"), row, 5, Qt::AlignHCenter);
    grid->addWidget(Take("Editrv" + i), row, 6, Qt::AlignHCenter);
  }
  auto* box = new QHBoxLayout;
  box->addWidget(Take("LabelCaja"));
  box->addWidget(Take("ComboBoxCaja"));
  box->addStretch(1);
  grid->addLayout(box, 8, 0, 1, 2);
  grid->addWidget(Take("EditeCaja"), 8, 3, Qt::AlignHCenter);
  grid->addWidget(Take("EditkCaja"), 8, 4, Qt::AlignHCenter);
  grid->addWidget(Take("EditRTCaja"), 8, 5, Qt::AlignHCenter);
  grid->addWidget(lastSurfaceCaption_, 9, 1);
  grid->addWidget(Take("Edit10RT"), 9, 5, Qt::AlignHCenter);
  // The note of a tank: its temperatures are those of the lateral wall.
  auto* lateral = Take<QLabel>("LabelTlateral");
  QFont note = lateral->font();
  note.setItalic(true);
  lateral->setFont(note);
  lateral->setAlignment(Qt::AlignCenter);
  grid->addWidget(lateral, 10, 6, 1, 3);
  grid->setColumnStretch(9, 1);

  // Interface temperatures and dew points sit on the lines between the rows.
  layerTable_->AddBoundaryLabel(Take<QLabel>("LT0"), widgets_.value("Edit0RT"), 7);
  layerTable_->AddBoundaryLabel(Take<QLabel>("LTR0"), widgets_.value("Edit0RT"), 8);
  for (int n = 1; n <= 6; ++n) {
    QWidget* anchor = widgets_.value(QStringLiteral("Edit%1RT").arg(n));
    layerTable_->AddBoundaryLabel(Take<QLabel>(QStringLiteral("LT%1").arg(n)), anchor, 7);
    layerTable_->AddBoundaryLabel(Take<QLabel>(QStringLiteral("LTR%1").arg(n)), anchor, 8);
  }
  layerTable_->AddBoundaryLabel(Take<QLabel>("LTCaja"), widgets_.value("EditRTCaja"), 7);
  for (const char* prefix : {"LT", "LTR"}) {
    for (int n = 0; n <= 6; ++n) {
      auto* label = static_cast<QLabel*>(widgets_.value(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(n)));
      label->setAlignment(Qt::AlignCenter);
      SetBold(label);
      Paint(label, QPalette::WindowText, QLatin1String(prefix) == QLatin1String("LT") ? QColor(160, 40, 20)
                                                                                        : QColor(31, 95, 139));
    }
  }
  auto* boxTemperature = static_cast<QLabel*>(widgets_.value("LTCaja"));
  boxTemperature->setAlignment(Qt::AlignCenter);
  SetBold(boxTemperature);
  Paint(boxTemperature, QPalette::WindowText, QColor(160, 40, 20));
  return layerTable_;
}

QWidget* MainWindow::BuildResults() {
  auto* holder = new QWidget;
  auto* stack = new QGridLayout(holder);
  stack->setContentsMargins(0, 0, 0, 0);
  const QColor fuchsia(255, 0, 255);

  auto* results = Take<QFrame>("Panel5");
  results->setAutoFillBackground(true);
  Paint(results, QPalette::Window, fuchsia);
  auto* lines = new QVBoxLayout(results);
  lines->setContentsMargins(14, 8, 14, 8);
  lines->setSpacing(4);
  for (const char* name : {"LabelEsp", "LabelRT", "LabelQ"}) {
    auto* line = Take<QLabel>(name);
    SetBold(line, 1.1);
    Paint(line, QPalette::WindowText, Qt::white);
    line->setMinimumHeight(line->fontMetrics().height());
    lines->addWidget(line);
  }

  // The economic figures take the same place, over the result lines.
  auto* economic = Take<QFrame>("PanelEconomico");
  economic->setAutoFillBackground(true);
  Paint(economic, QPalette::Window, fuchsia);
  auto* ecoLines = new QGridLayout(economic);
  ecoLines->setContentsMargins(14, 8, 14, 8);
  ecoLines->setVerticalSpacing(4);
  ecoLines->setHorizontalSpacing(24);
  const QList<std::tuple<const char*, int, int, int>> places = {
      {"LabelEspEco", 0, 0, 1}, {"LabelQEco", 0, 1, 1}, {"LabelRTEco", 1, 0, 2}, {"LabelCI", 2, 0, 1}, {"LabelCT", 2, 1, 1}};
  for (const auto& [name, row, column, span] : places) {
    auto* line = Take<QLabel>(name);
    SetBold(line, 1.1);
    Paint(line, QPalette::WindowText, Qt::white);
    line->setMinimumHeight(line->fontMetrics().height());
    ecoLines->addWidget(line, row, column, 1, span);
  }
  ecoLines->setColumnStretch(1, 1);

  stack->addWidget(results, 0, 0);
  stack->addWidget(economic, 0, 0);
  return holder;
}

void MainWindow::BuildChoosers(QWidget* area) {
  auto buttonRow = [this](std::initializer_list<const char*> names) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const char* name : names) row->addWidget(Take(name));
    return row;
  };

  auto* materials = Take<FloatingPanel>("PMateriales");
  auto* lists = new QHBoxLayout;
  auto* insulation = new QVBoxLayout;
  insulation->addWidget(Take("RGAislantes"));
  insulation->addWidget(Take("SpeedButton17"), 0, Qt::AlignRight);
  insulation->addStretch(1);
  lists->addLayout(insulation);
  lists->addWidget(Take("RGMatTuberias"), 0, Qt::AlignTop);
  lists->addWidget(Take("RGMatPlacas"), 0, Qt::AlignTop);
  materials->Body()->addLayout(lists);
  materials->Body()->addLayout(buttonRow({"SpeedButton10", "SpeedButton20"}));

  auto* pipes = Take<FloatingPanel>("PEleccionTub");
  auto* pipeLists = new QHBoxLayout;
  pipeLists->addWidget(Take("RGTuberias"), 0, Qt::AlignTop);
  auto* sizes = new QVBoxLayout;
  for (const char* name : {"RGTubAcero", "RGTubCobreBpulg", "RGTubCobreRpulg", "RGTubCobreCalef"})
    sizes->addWidget(Take(name));
  sizes->addStretch(1);
  pipeLists->addLayout(sizes);
  pipes->Body()->addLayout(pipeLists);
  pipes->Body()->addLayout(buttonRow({"SpeedButton8", "SpeedButton9"}));

  auto* emission = Take<FloatingPanel>("PCoefEmision");
  emission->Body()->addWidget(Take("RGCoefEmision"));
  emission->Body()->addLayout(buttonRow({"SpeedButton24", "SpeedButton25"}));

  // The soil temperatures by climatic zone and month: a table to read from.
  auto* soil = Take<FloatingPanel>("PanelTTerreno");
  auto* table = new QGridLayout;
  table->setHorizontalSpacing(10);
  table->setVerticalSpacing(4);
  const QStringList headings = {"Zona",  "Media", "Osc.Anual", "Enero",   "Febrero",    "Marzo",     "Abril",
                                "Mayo",  "Junio", "Julio",     "Agosto",  "Septiembre", "Octubre",   "Noviembre",
                                "Diciembre"};
  for (int c = 0; c < headings.size(); ++c) {
    auto* heading = Caption(headings[c]);
    SetBold(heading);
    heading->setAlignment(Qt::AlignCenter);
    table->addWidget(heading, 0, c);
  }
  int row = 1;
  for (const char* zone : {"A", "B", "C", "D", "E"}) {
    auto* zoneLabel = Caption(QString::fromLatin1(zone));
    SetBold(zoneLabel);
    zoneLabel->setAlignment(Qt::AlignCenter);
    table->addWidget(zoneLabel, row, 0);
    QStringList names = {QStringLiteral("LabelM%1").arg(QLatin1String(zone)),
                         QStringLiteral("LabelO%1").arg(QLatin1String(zone))};
    for (int m = 1; m <= 12; ++m) names << QStringLiteral("Label%1%2").arg(QLatin1String(zone)).arg(m);
    for (int c = 0; c < names.size(); ++c) {
      auto* value = Take<QLabel>(names[c]);
      value->setAlignment(Qt::AlignCenter);
      table->addWidget(value, row, c + 1);
    }
    ++row;
  }
  soil->Body()->addLayout(table);
  soil->Body()->addLayout(buttonRow({"SpeedButton27"}));

  for (FloatingPanel* panel : {materials, pipes, emission, soil}) {
    panel->setParent(area);
    panel->hide();
    choosers_.append(panel);
  }
}

void MainWindow::BuildWelcome() {
  auto* welcome = Take<QFrame>("Panel6");
  welcome->setParent(this);
  welcome->setAutoFillBackground(true);
  Paint(welcome, QPalette::Window, QColor(13, 59, 102));
  Paint(welcome, QPalette::WindowText, Qt::white);
  auto* layout = new QVBoxLayout(welcome);
  layout->setContentsMargins(16, 12, 16, 24);
  auto* top = new QHBoxLayout;
  top->addStretch(1);
  auto* close = Take<PictureWidget>("Image1");
  close->SetPreferredSize(QSize(FieldWidth(close, 3), FieldWidth(close, 3)));
  close->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  close->setCursor(Qt::PointingHandCursor);
  close->setToolTip(QStringLiteral("Cerrar"));
  top->addWidget(close);
  layout->addLayout(top);
  layout->addStretch(2);
  auto* banner = Take<PictureWidget>("Image4");
  banner->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  banner->setMaximumHeight(FieldWidth(banner, 30));
  layout->addWidget(banner, 3);
  layout->addSpacing(18);
  const QStringList credits = {
      QStringLiteral("Espesor de aislamiento y flujo de calor en paredes, suelos, techos, tuberías al aire y "
                     "enterradas, esferas, conductos de aire y depósitos"),
      QStringLiteral("Versión 1.0  ·  9/8/2013"),
  };
  for (const QString& text : credits) {
    auto* line = Caption(text);
    line->setAlignment(Qt::AlignCenter);
    line->setWordWrap(true);
    SetBold(line, 1.15);
    layout->addWidget(line);
  }
  layout->addStretch(3);
  welcome->setFocusPolicy(Qt::StrongFocus);
  welcome->raise();
}

void MainWindow::BuildShortcuts() {
  for (const ToolbarEntry& e : ToolbarEntries()) {
    if (!e.name) continue;
    const QString name = QString::fromLatin1(e.name);
    auto* shortcut = new QShortcut(e.key, this);
    connect(shortcut, &QShortcut::activated, this, [this, name] { ClickButton(name); });
  }
  auto* calculate = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), this);
  connect(calculate, &QShortcut::activated, this, [this] { ClickButton(QStringLiteral("SpeedButton1")); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] { CloseTopOverlay(); });
  auto* copy = new QShortcut(QKeySequence::Copy, chart_);
  copy->setContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QShortcut::activated, chart_, &ChartPanel::CopyToClipboard);
}

QSize MainWindow::PreferredSize(const QSize& available) const {
  QSize content = scroll_->widget()->sizeHint();
  content += QSize(scroll_->verticalScrollBar()->sizeHint().width() + 4, toolbar_->sizeHint().height() + 8);
  return content.boundedTo(available);
}

// ------------------------------------------------------------ user actions

void MainWindow::Forward(const std::function<void()>& action) {
  if (syncing_) return;  // the window's own updates are no user action
  ++forwarding_;
  try {
    action();
  } catch (const std::exception& error) {
    ReportError(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ReportError(QStringLiteral("Error inesperado"));
  }
  --forwarding_;
  Sync();
}

void MainWindow::ReportError(const QString& text) {
  Sync();
  if (showError) showError(text);
  else ShowErrorBox(this, text);
}

void MainWindow::ClickButton(const QString& name) {
  QWidget* w = widgets_.value(name);
  if (!w || !app_.form.Enabled(name) || !w->isVisibleTo(this)) return;
  Forward([this, name] { app_.form.UserClick(name); });
}

void MainWindow::CloseTopOverlay() {
  if (app_.form.Visible("Panel6")) {
    Forward([this] { app_.form.UserClick("Image1"); });
    return;
  }
  static const QHash<QString, QString> closers = {{"PMateriales", "SpeedButton20"},
                                                  {"PEleccionTub", "SpeedButton9"},
                                                  {"PCoefEmision", "SpeedButton25"},
                                                  {"PanelTTerreno", "SpeedButton27"}};
  for (auto it = closers.begin(); it != closers.end(); ++it) {
    if (app_.form.Visible(it.key())) {
      ClickButton(it.value());
      return;
    }
  }
  if (chart_->isVisible()) ClickButton(QStringLiteral("SpeedButton6"));
}

// -------------------------------------------------------------------- sync

void MainWindow::Sync() {
  if (syncing_) return;
  syncing_ = true;
  for (const Control& c : app_.form.Controls()) SyncControl(c);

  const Form& form = app_.form;
  interiorTitle_->setText(form.Text("Panel2"));
  firstSurfaceCaption_->setText(form.Text("Panel2"));
  lastSurfaceCaption_->setText(form.Text("LabelTituloExt"));
  const int numberWidth = ColumnWidth(layerTable_);
  // The vapour and dew-point columns take room only while they are shown.
  layerTable_->Grid()->setColumnMinimumWidth(6, form.Visible("Label9") ? numberWidth : 0);
  layerTable_->Grid()->setColumnMinimumWidth(8, form.Visible("LabelDistTr") ? numberWidth : 0);
  PlaceConditionFields();

  chart_->ShowModel(app_.chart);
  PlaceOverlays();
  if (tabOrderDirty_) ApplyTabOrder();
  syncing_ = false;
  layerTable_->PlaceBoundaryLabels();
}

void MainWindow::SyncControl(const Control& c) {
  QWidget* w = widgets_.value(c.name);
  if (!w) return;
  switch (c.type) {
    case ControlType::Edit: {
      auto* edit = static_cast<FieldEdit*>(w);
      if (edit->text() != c.text) {
        edit->setText(c.text);
        if (!edit->hasFocus()) edit->setCursorPosition(0);  // a long name shows its beginning
      }
      if (edit->isReadOnly() != c.readOnly) edit->setReadOnly(c.readOnly);
      edit->SetComputed(c.hasState && c.state == FieldState::Computed);
      if (edit->toolTip() != c.hint) edit->setToolTip(c.hint);
      break;
    }
    case ControlType::Label: {
      auto* label = static_cast<QLabel*>(w);
      const QString shown = label->property("heading").toBool() ? HeadingText(c.text) : c.text;
      if (label->text() != shown) label->setText(shown);
      break;
    }
    case ControlType::RadioGroup: {
      auto* group = static_cast<RadioGroupBox*>(w);
      if (group->Items() != c.items || group->Count() != c.items.size()) {
        group->SetItems(c.items);
        tabOrderDirty_ = true;
      }
      group->SetIndex(c.index);
      const QString title = kConditionGroups.contains(c.name) ? QString() : c.text;
      if (group->title() != title) group->setTitle(title);
      break;
    }
    case ControlType::ComboBox: {
      auto* combo = static_cast<QComboBox*>(w);
      QStringList shown;
      for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
      if (shown != c.items) {
        combo->clear();
        combo->addItems(c.items);
      }
      if (combo->currentIndex() != c.index) combo->setCurrentIndex(c.index);
      break;
    }
    case ControlType::RadioButton: {
      auto* mark = static_cast<QRadioButton*>(w);
      if (mark->isChecked() != c.checked) mark->setChecked(c.checked);
      break;
    }
    case ControlType::Button: {
      auto* button = static_cast<QAbstractButton*>(w);
      const QString caption = ButtonCaption(c.text);
      if (button->text() != caption) button->setText(caption);
      if (button->toolTip() != c.hint) button->setToolTip(c.hint);
      const QColor wanted = c.captionRed ? QColor(Qt::red) : QApplication::palette(button).color(QPalette::ButtonText);
      if (button->palette().color(QPalette::ButtonText) != wanted) {
        Paint(button, QPalette::ButtonText, wanted);
        QFont f = button->font();
        f.setBold(c.captionRed);
        button->setFont(f);
      }
      break;
    }
    case ControlType::Panel: {
      if (auto* box = qobject_cast<QGroupBox*>(w)) {
        if (box->title() != c.text) box->setTitle(c.text);
      } else if (auto* panel = qobject_cast<FloatingPanel*>(w)) {
        panel->SetTitle(c.text);
      }
      break;
    }
    case ControlType::Picture:
    case ControlType::Chart:
      break;
  }
  if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
  if (kOverlays.contains(c.name)) return;  // PlaceOverlays shows and hides them
  if (w->isHidden() == c.visible) w->setVisible(c.visible);
}

void MainWindow::PlaceConditionFields() {
  // The fields follow the condition list that is shown; the others keep them
  // where they were, hidden with their list.
  RadioGroupBox* shown = nullptr;
  for (const QString& name : kConditionGroups) {
    if (app_.form.Visible(name)) {
      shown = static_cast<RadioGroupBox*>(widgets_.value(name));
      break;
    }
  }
  if (!shown) return;
  const QString group = shown->objectName();
  for (const ConditionField& f : ConditionFields()) {
    QWidget* field = widgets_.value(QString::fromLatin1(f.field));
    const int row = f.rows.value(group, -1);
    if (row >= 0) {
      if (!shown->Holds(field)) {
        shown->AttachToRow(field, row);
        tabOrderDirty_ = true;
      }
      field->setVisible(app_.form.Visible(QString::fromLatin1(f.field)));
    }
  }
}

QString MainWindow::ChooserOpener(const QString& panel) const {
  const int target = app_.chooserTarget;
  if (panel == QLatin1String("PMateriales"))
    return QStringLiteral("SpeedButton%1").arg(10 + qBound(1, target, 6));
  if (panel == QLatin1String("PEleccionTub")) return QStringLiteral("SBRadio");
  if (panel == QLatin1String("PCoefEmision")) return target == 2 ? QStringLiteral("SpeedButton22") : QStringLiteral("SpeedButton21");
  return QStringLiteral("SpeedButton26");
}

void MainWindow::PlaceChooser(FloatingPanel* panel, const QString& opener) {
  panel->adjustSize();
  QWidget* anchor = widgets_.value(opener);
  QPoint at(12, 12);
  if (anchor && anchor->isVisible()) {
    const QPoint corner = anchor->mapTo(central_, QPoint(0, anchor->height() + 4));
    at = corner;
    if (at.y() + panel->height() > central_->height()) at.setY(anchor->mapTo(central_, QPoint(0, 0)).y() - panel->height() - 4);
  }
  if (panel->objectName() == QLatin1String("PanelTTerreno"))
    at.setX(at.x() - panel->width() / 2);
  panel->move(at);
  panel->KeepInside();
}

void MainWindow::ShowCovering(QWidget* overlay, bool shown) {
  if (shown == !overlay->isHidden()) {
    if (shown) overlay->raise();
    return;
  }
  // What covers the data takes the keyboard, so that nothing is typed into a
  // field out of sight; the field gets it back afterwards. Neither move is a
  // click on or a leave of the field.
  if (shown) {
    QWidget* focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus) && !overlay->isAncestorOf(focus)) focusBeforeCover_ = focus;
    overlay->show();
    overlay->raise();
    if (isVisible()) overlay->setFocus(Qt::OtherFocusReason);
  } else {
    const bool hadFocus = overlay->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == overlay;
    overlay->hide();
    if (hadFocus && focusBeforeCover_ && focusBeforeCover_->isVisible()) focusBeforeCover_->setFocus(Qt::OtherFocusReason);
  }
}

void MainWindow::PlaceOverlays() {
  const QRect area = central_->rect();
  chart_->setGeometry(area.adjusted(6, 6, -6, -6));
  ShowCovering(chart_, app_.form.Visible("Chart1") || app_.chart.visible);

  for (FloatingPanel* panel : choosers_) {
    const QString name = panel->objectName();
    const bool shown = app_.form.Visible(name);
    if (shown && panel->isHidden()) {
      panel->show();
      PlaceChooser(panel, ChooserOpener(name));
      panel->raise();
    } else if (!shown && !panel->isHidden()) {
      panel->hide();
    } else if (shown) {
      panel->adjustSize();
      panel->KeepInside();
    }
  }

  QWidget* welcome = widgets_.value("Panel6");
  welcome->setGeometry(rect());
  ShowCovering(welcome, app_.form.Visible("Panel6"));
}

void MainWindow::ApplyTabOrder() {
  tabOrderDirty_ = false;
  QList<QWidget*> order;
  auto add = [&](const QString& name) {
    QWidget* w = widgets_.value(name);
    if (!w) return;
    if (auto* group = qobject_cast<RadioGroupBox*>(w)) {
      for (int i = 0; i < group->Count(); ++i) {
        order << group->Button(i);
        for (const ConditionField& f : ConditionFields()) {
          QWidget* field = widgets_.value(QString::fromLatin1(f.field));
          if (group->Holds(field) && f.rows.value(group->objectName(), -1) == i) order << field;
        }
      }
      return;
    }
    order << w;
  };
  add("EditReferencia");
  for (const char* name : {"RGTipoPared", "RGTipoTuberias", "RGTipoOtros", "Editr0", "SBRadio", "RadioGroupCalcular"})
    add(name);
  for (const QString& name : kConditionGroups) add(name);
  for (const char* name : {"RadioGroupCondensacion", "RadioGroupTempAgua", "RadioGroupTempAire", "EditLongitud",
                           "EditInf", "EditOpor", "EditNa", "EditNh", "EditCET", "EditEsp1", "EditCI1", "EditEsp2",
                           "EditCI2", "EditTi", "EditFiI", "RGhi", "EditCoefInt", "Edithci", "Edithri", "EditAlthi",
                           "EditAnchura", "Editemisionhi", "SpeedButton21", "Editvelhi", "EditTe", "EditFiE", "RGhe",
                           "EditCoefext", "Edithce", "Edithre", "RGAmbientehe", "EditAlthe", "Editemisionhe",
                           "SpeedButton22", "Editvelhe", "EditTsuelo", "SpeedButton26", "RadioGroupTerreno",
                           "EditProfundidad", "EditkTerreno", "EditHumedad", "EditDensidad", "ComboBox1", "Edit0RT"})
    add(name);
  // The layer table row by row, from the inside out.
  for (int n = 1; n <= 6; ++n) {
    const QString i = QString::number(n);
    add(QStringLiteral("SpeedButton%1").arg(10 + n));
    for (const QString& name : {"ENombre" + i, "RBAislante" + i, "Edit" + i + "e", "Edit" + i + "k",
                                "Edit" + i + "RT", "Editrv" + i})
      add(name);
  }
  for (const char* name : {"ComboBoxCaja", "EditeCaja", "EditkCaja", "EditRTCaja", "Edit10RT"}) add(name);
  for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// ------------------------------------------------------------------ events

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!syncing_) PlaceOverlays();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize && !syncing_) PlaceOverlays();
  return QMainWindow::eventFilter(watched, event);
}
