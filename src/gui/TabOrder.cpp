// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/TabOrder.h"

#include "gui/ConditionFields.h"
#include "gui/RadioGroupBox.h"
#include "gui/WindowBinding.h"

#include <QRadioButton>

void ApplyTabOrder(const WindowBinding& binding) {
  QList<QWidget*> order;
  auto add = [&](const QString& name) {
    QWidget* w = binding.Widget(name);
    if (!w) return;
    if (auto* group = qobject_cast<RadioGroupBox*>(w)) {
      for (int i = 0; i < group->Count(); ++i) {
        order << group->Button(i);
        order << FieldsOnRow(binding, group, i);
      }
      return;
    }
    order << w;
  };
  add("EditReferencia");
  for (const char* name : {"RGTipoPared", "RGTipoTuberias", "RGTipoOtros", "Editr0", "SBRadio", "RadioGroupCalcular"})
    add(name);
  for (const QString& name : ConditionGroups()) add(name);
  for (const char* name : {"RadioGroupCondensacion",
                           "RadioGroupTempAgua",
                           "RadioGroupTempAire",
                           "EditLongitud",
                           "EditInf",
                           "EditOpor",
                           "EditNa",
                           "EditNh",
                           "EditCET",
                           "EditEsp1",
                           "EditCI1",
                           "EditEsp2",
                           "EditCI2",
                           "EditTi",
                           "EditFiI",
                           "RGhi",
                           "EditCoefInt",
                           "Edithci",
                           "Edithri",
                           "EditAlthi",
                           "EditAnchura",
                           "Editemisionhi",
                           "SpeedButton21",
                           "Editvelhi",
                           "EditTe",
                           "EditFiE",
                           "RGhe",
                           "EditCoefext",
                           "Edithce",
                           "Edithre",
                           "RGAmbientehe",
                           "EditAlthe",
                           "Editemisionhe",
                           "SpeedButton22",
                           "Editvelhe",
                           "EditTsuelo",
                           "SpeedButton26",
                           "RadioGroupTerreno",
                           "EditProfundidad",
                           "EditkTerreno",
                           "EditHumedad",
                           "EditDensidad",
                           "ComboBox1",
                           "Edit0RT"})
    add(name);
  // The layer table row by row, from the inside out.
  for (int n = 1; n <= 6; ++n) {
    const QString i = QString::number(n);
    add(QStringLiteral("SpeedButton%1").arg(10 + n));
    for (const QString& name :
         {"ENombre" + i, "RBAislante" + i, "Edit" + i + "e", "Edit" + i + "k", "Edit" + i + "RT", "Editrv" + i})
      add(name);
  }
  for (const char* name : {"ComboBoxCaja", "EditeCaja", "EditkCaja", "EditRTCaja", "Edit10RT"}) add(name);
  for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}
