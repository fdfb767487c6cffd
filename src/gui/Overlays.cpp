// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/Overlays.h"

#include "form/WindowState.h"
#include "gui/ChartPanel.h"
#include "gui/FloatingPanel.h"
#include "gui/PictureWidget.h"
#include "gui/WindowBinding.h"
#include "gui/WindowStyle.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <iterator>

namespace {

const QStringList kChooserPanels = {"PMateriales", "PEleccionTub", "PCoefEmision", "PanelTTerreno"};
const QStringList kOverlays = {"Chart1", "Panel6", "PMateriales", "PEleccionTub", "PCoefEmision", "PanelTTerreno"};

}  // namespace

bool IsOverlay(const QString& name) { return kOverlays.contains(name); }

bool IsChooserPanel(const QString& name) { return kChooserPanels.contains(name); }

WindowOverlays::WindowOverlays(QWidget* window, QWidget* area, const WindowState& state, WindowBinding& binding)
    : window_(window), area_(area), state_(state), binding_(binding) {
  // The chart shows over the data, the choosers float over it.
  chart_ = binding_.Take<ChartPanel>("Chart1");
  chart_->setParent(area_);
  chart_->ButtonBar()->addWidget(binding_.Take("SpeedButton6"));
  chart_->setFocusPolicy(Qt::StrongFocus);
  chart_->hide();
  BuildChoosers();
  BuildWelcome();
}

void WindowOverlays::BuildChoosers() {
  auto buttonRow = [this](std::initializer_list<const char*> names) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const char* name : names) row->addWidget(binding_.Take(name));
    return row;
  };

  auto* materials = binding_.Take<FloatingPanel>("PMateriales");
  auto* lists = new QHBoxLayout;
  auto* insulation = new QVBoxLayout;
  insulation->addWidget(binding_.Take("RGAislantes"));
  insulation->addWidget(binding_.Take("SpeedButton17"), 0, Qt::AlignRight);
  insulation->addStretch(1);
  lists->addLayout(insulation);
  lists->addWidget(binding_.Take("RGMatTuberias"), 0, Qt::AlignTop);
  lists->addWidget(binding_.Take("RGMatPlacas"), 0, Qt::AlignTop);
  // The user's own materials: the list, the tools that edit it, its "Aplicar".
  // A long list scrolls rather than pushing the chooser off the window.
  auto* own = new QVBoxLayout;
  auto* ownList = new QScrollArea;
  ownList->setFrameShape(QFrame::NoFrame);
  ownList->setWidgetResizable(true);
  ownList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ownList->setWidget(binding_.Take("RGMisMateriales"));
  own->addWidget(ownList);
  userMaterialTools_ = PlainFrame();
  own->addWidget(userMaterialTools_);
  own->addWidget(binding_.Take("SBMisMateriales"), 0, Qt::AlignRight);
  own->addStretch(1);
  lists->addLayout(own);
  materials->Body()->addLayout(lists);
  materials->Body()->addLayout(buttonRow({"SpeedButton10", "SpeedButton20"}));

  auto* pipes = binding_.Take<FloatingPanel>("PEleccionTub");
  auto* pipeLists = new QHBoxLayout;
  pipeLists->addWidget(binding_.Take("RGTuberias"), 0, Qt::AlignTop);
  auto* sizes = new QVBoxLayout;
  for (const char* name : {"RGTubAcero", "RGTubCobreBpulg", "RGTubCobreRpulg", "RGTubCobreCalef"})
    sizes->addWidget(binding_.Take(name));
  sizes->addStretch(1);
  pipeLists->addLayout(sizes);
  pipes->Body()->addLayout(pipeLists);
  pipes->Body()->addLayout(buttonRow({"SpeedButton8", "SpeedButton9"}));

  auto* emission = binding_.Take<FloatingPanel>("PCoefEmision");
  emission->Body()->addWidget(binding_.Take("RGCoefEmision"));
  emission->Body()->addLayout(buttonRow({"SpeedButton24", "SpeedButton25"}));

  // The soil temperatures by climatic zone and month: a table to read from.
  auto* soil = binding_.Take<FloatingPanel>("PanelTTerreno");
  auto* table = new QGridLayout;
  table->setHorizontalSpacing(10);
  table->setVerticalSpacing(4);
  static const char* const headings[] = {
      QT_TRANSLATE_NOOP("Overlays", "Zona"),      QT_TRANSLATE_NOOP("Overlays", "Media"),
      QT_TRANSLATE_NOOP("Overlays", "Osc.Anual"), QT_TRANSLATE_NOOP("Overlays", "Enero"),
      QT_TRANSLATE_NOOP("Overlays", "Febrero"),   QT_TRANSLATE_NOOP("Overlays", "Marzo"),
      QT_TRANSLATE_NOOP("Overlays", "Abril"),     QT_TRANSLATE_NOOP("Overlays", "Mayo"),
      QT_TRANSLATE_NOOP("Overlays", "Junio"),     QT_TRANSLATE_NOOP("Overlays", "Julio"),
      QT_TRANSLATE_NOOP("Overlays", "Agosto"),    QT_TRANSLATE_NOOP("Overlays", "Septiembre"),
      QT_TRANSLATE_NOOP("Overlays", "Octubre"),   QT_TRANSLATE_NOOP("Overlays", "Noviembre"),
      QT_TRANSLATE_NOOP("Overlays", "Diciembre")};
  for (int c = 0; c < int(std::size(headings)); ++c) {
    auto* heading = Caption(QCoreApplication::translate("Overlays", headings[c]));
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
      auto* value = binding_.Take<QLabel>(names[c]);
      value->setAlignment(Qt::AlignCenter);
      table->addWidget(value, row, c + 1);
    }
    ++row;
  }
  soil->Body()->addLayout(table);
  soil->Body()->addLayout(buttonRow({"SpeedButton27"}));

  for (FloatingPanel* panel : {materials, pipes, emission, soil}) {
    panel->setParent(area_);
    panel->hide();
    choosers_.append(panel);
  }
}

void WindowOverlays::BuildWelcome() {
  auto* welcome = binding_.Take<QFrame>("Panel6");
  welcome->setParent(window_);
  welcome->setAutoFillBackground(true);
  Paint(welcome, QPalette::Window, QColor(13, 59, 102));
  Paint(welcome, QPalette::WindowText, Qt::white);
  auto* layout = new QVBoxLayout(welcome);
  layout->setContentsMargins(16, 12, 16, 24);
  auto* top = new QHBoxLayout;
  top->addStretch(1);
  auto* close = binding_.Take<PictureWidget>("Image1");
  close->SetPreferredSize(QSize(FieldWidth(close, 3), FieldWidth(close, 3)));
  close->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  close->setCursor(Qt::PointingHandCursor);
  close->setToolTip(QCoreApplication::translate("Overlays", "Cerrar"));
  top->addWidget(close);
  layout->addLayout(top);
  layout->addStretch(2);
  auto* banner = binding_.Take<PictureWidget>("Image4");
  banner->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  banner->setMaximumHeight(FieldWidth(banner, 30));
  layout->addWidget(banner, 3);
  layout->addSpacing(18);
  const QStringList credits = {
      QCoreApplication::translate("Overlays",
                                  "Espesor de aislamiento y flujo de calor en paredes, suelos, techos, tuberías al "
                                  "aire y enterradas, esferas, conductos de aire y depósitos"),
      QCoreApplication::translate("Overlays", "Versión 1.0  ·  9/8/2013"),
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
  welcome_ = welcome;
}

void WindowOverlays::CloseTop() {
  const Form& form = state_.form;
  if (form.Visible("Panel6")) {
    binding_.Click(QStringLiteral("Image1"));
    return;
  }
  static const QHash<QString, QString> closers = {{"PMateriales", "SpeedButton20"},
                                                  {"PEleccionTub", "SpeedButton9"},
                                                  {"PCoefEmision", "SpeedButton25"},
                                                  {"PanelTTerreno", "SpeedButton27"}};
  for (auto it = closers.begin(); it != closers.end(); ++it) {
    if (form.Visible(it.key())) {
      binding_.ClickButton(it.value());
      return;
    }
  }
  if (chart_->isVisible()) binding_.ClickButton(QStringLiteral("SpeedButton6"));
}

QString WindowOverlays::ChooserOpener(const QString& panel) const {
  const int target = state_.chooserTarget;
  if (panel == QLatin1String("PMateriales")) return QStringLiteral("SpeedButton%1").arg(10 + qBound(1, target, 6));
  if (panel == QLatin1String("PEleccionTub")) return QStringLiteral("SBRadio");
  if (panel == QLatin1String("PCoefEmision"))
    return target == 2 ? QStringLiteral("SpeedButton22") : QStringLiteral("SpeedButton21");
  return QStringLiteral("SpeedButton26");
}

void WindowOverlays::PlaceChooser(FloatingPanel* panel, const QString& opener) {
  panel->adjustSize();
  QWidget* anchor = binding_.Widget(opener);
  QPoint at(12, 12);
  if (anchor && anchor->isVisible()) {
    const QPoint corner = anchor->mapTo(area_, QPoint(0, anchor->height() + 4));
    at = corner;
    if (at.y() + panel->height() > area_->height())
      at.setY(anchor->mapTo(area_, QPoint(0, 0)).y() - panel->height() - 4);
  }
  if (panel->objectName() == QLatin1String("PanelTTerreno")) at.setX(at.x() - panel->width() / 2);
  panel->move(at);
  panel->KeepInside();
}

void WindowOverlays::ShowCovering(QWidget* overlay, bool shown) {
  if (shown == !overlay->isHidden()) {
    if (shown) overlay->raise();
    return;
  }
  // What covers the data takes the keyboard, so that nothing is typed into a
  // field out of sight; the field gets it back afterwards. Neither move is a
  // click on or a leave of the field.
  if (shown) {
    QWidget* focus = QApplication::focusWidget();
    if (focus && window_->isAncestorOf(focus) && !overlay->isAncestorOf(focus)) focusBeforeCover_ = focus;
    overlay->show();
    overlay->raise();
    if (window_->isVisible()) overlay->setFocus(Qt::OtherFocusReason);
  } else {
    const bool hadFocus = overlay->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == overlay;
    overlay->hide();
    if (hadFocus && focusBeforeCover_ && focusBeforeCover_->isVisible())
      focusBeforeCover_->setFocus(Qt::OtherFocusReason);
  }
}

void WindowOverlays::Place() {
  const Form& form = state_.form;
  const QRect area = area_->rect();
  chart_->setGeometry(area.adjusted(6, 6, -6, -6));
  ShowCovering(chart_, form.Visible("Chart1") || state_.chart.visible);

  for (FloatingPanel* panel : choosers_) {
    const QString name = panel->objectName();
    const bool shown = form.Visible(name);
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

  welcome_->setGeometry(window_->rect());
  ShowCovering(welcome_, form.Visible("Panel6"));
}
