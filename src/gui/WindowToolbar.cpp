// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowToolbar.h"

#include "gui/WindowBinding.h"
#include "gui/WindowStyle.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

const QList<ToolbarEntry>& ToolbarEntries() {
  static const QList<ToolbarEntry> entries = {
      {"SBNuevo", "nuevo", QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"SBAbrir", "abrir", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"SBGuardar", "guardar", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"SBImpresor", "imprimir", QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"SBExportarPdf", "exportarpdf", QKeySequence(Qt::CTRL | Qt::Key_E)},
      {"SBImpresor2", "acerca", QKeySequence(Qt::Key_F1)},
      {nullptr, nullptr, {}},
      {"SpeedButton1", "calcular", QKeySequence(Qt::Key_F9)},
      {"SpeedButton7", "grafica", QKeySequence(Qt::CTRL | Qt::Key_G)},
      {"SBTablaEspesores", "tabla", QKeySequence(Qt::CTRL | Qt::Key_T)},
      {"SBInstalacion", "instalacion", QKeySequence(Qt::CTRL | Qt::Key_I)},
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

QString ToolTipWithKey(const QString& hint, const QKeySequence& key) {
  if (key.isEmpty()) return hint;
  return hint + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

QToolBar* BuildToolbar(QMainWindow* window, WindowBinding& binding) {
  auto* toolbar = new QToolBar(QCoreApplication::translate("WindowToolbar", "Órdenes"), window);
  toolbar->setObjectName(QStringLiteral("Toolbar"));
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setIconSize(QSize(24, 24));
  toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
  for (const ToolbarEntry& e : ToolbarEntries()) {
    if (!e.name) {
      toolbar->addSeparator();
      continue;
    }
    auto* button = binding.Take<QToolButton>(e.name);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(e.icon)));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(24, 24));
    button->setMinimumWidth(FieldWidth(button, 7));
    button->setProperty("key", e.key);  // named by its tooltip
    if (QLatin1String(e.name) == QLatin1String("SpeedButton3")) {
      auto* spacer = new QWidget(toolbar);
      spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
      toolbar->addWidget(spacer);
    }
    toolbar->addWidget(button);
  }
  window->addToolBar(Qt::TopToolBarArea, toolbar);
  return toolbar;
}
