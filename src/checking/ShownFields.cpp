// SPDX-License-Identifier: GPL-3.0-or-later
#include "checking/ShownFields.h"

#include "form/CaseOpening.h"

namespace {

class Shown {
 public:
  void Add(std::initializer_list<const char*> names) {
    for (const char* name : names) set.insert(QString::fromLatin1(name));
  }
  void Add(const QString& name) { set.insert(name); }
  QSet<QString> set;
};

// The fields of the design condition in force (a thickness calculation of an
// element other than a tank); the panel of conditions is shown then.
void ConditionFields(const Case& c, Shown& shown) {
  const int row = c.ConditionRow();
  const bool buried = c.IsBuriedPipe();
  switch (row) {
    case 0: shown.Add({"EditCondicionQ"}); break;
    case 1: shown.Add({"EditCondicionPor"}); break;
    case 2: shown.Add({"EditCondicionRT"}); break;
    case 3:
      shown.Add({"EditInf", "EditOpor", "EditNa", "EditNh", "EditCET", "EditEsp1", "EditCI1", "EditEsp2", "EditCI2"});
      break;
    case 4:
      if (!buried) shown.Add({"EditCondicionTe"});
      break;
    case 5:
      if (!buried) shown.Add({"EditFiE"});
      break;
    case 6:
      if (c.IsPlate())
        shown.Add({"EditCondicionTi"});
      else if (c.IsPipeInAir())
        shown.Add({"EditTf", "EditLong", "Editvelhi"});
      break;
    case 7:
      if (c.IsPlate())
        shown.Add({"EditFiI"});
      else if (c.IsPipeInAir())
        shown.Add({"EditCondicionTCong", "EditCondicionPorCong"});
      break;
    default: break;
  }
}

// A resistance or overall coefficient asked for with no calculated surface
// coefficient needs no temperatures.
bool TemperaturesHidden(const Case& c, int interiorMode, int exteriorMode) {
  if (!c.ThicknessTarget() || c.IsTank() || c.ConditionRow() != 2) return false;
  const bool interiorCalculated = interiorMode >= 2;
  const bool exteriorCalculated = exteriorMode >= 2;
  if (c.IsPlate() || c.IsPipeInAir()) return !interiorCalculated && !exteriorCalculated;
  if (c.IsBuriedPipe()) return !interiorCalculated;
  return c.IsSphere();
}

void InteriorFields(const Case& c, int mode, Shown& shown) {
  // The panel of the interior coefficient: hidden with a neglected
  // coefficient, except for pipes, ducts and tanks, which keep other fields in it.
  const bool panel = mode != 1 || c.IsPipe() || c.IsSpecial();
  if (!panel) return;
  if (mode == 0 || mode == 2) shown.Add({"EditCoefInt"});
  if (mode == 2) {
    if (c.IsPlate())
      shown.Add({"Editemisionhi", "EditAlthi"});
    else if (!c.IsSphere())
      shown.Add({"Editvelhi"});
  }
  if (c.IsPipe() && c.waterEstimateRow == 0) shown.Add({"Editvelhi"});
  if (c.IsDuct()) {
    shown.Add({"EditAlthi", "EditAnchura"});
    if (c.airEstimateRow == 0) shown.Add({"Editvelhi"});
  }
}

void ExteriorFields(const Case& c, int mode, Shown& shown) {
  if (c.IsBuriedPipe()) {
    shown.Add({"EditkTerreno", "EditProfundidad"});
    if (c.soilMode == 1) shown.Add({"EditDensidad", "EditHumedad"});
    return;
  }
  if (mode == 0) shown.Add({"EditCoefext"});
  if (mode != 2) return;
  shown.Add({"EditCoefext", "Editemisionhe"});
  const bool outdoors = c.surroundings == 1;
  if (c.IsPlate()) shown.Add({"EditAlthe"});
  if (outdoors && (c.IsPlate() || c.IsPipe() || c.IsSpecial())) shown.Add({"Editvelhe"});
}

}  // namespace

QSet<QString> ShownFields(const Case& c) {
  Shown shown;
  const int interiorMode = InteriorModeOf(c);
  const int exteriorMode = ExteriorModeOf(c);
  shown.Add({"EditReferencia", "EditTi"});

  const int layers = c.LayerCount();
  for (int n = 1; n <= layers; ++n) {
    const QString row = QString::number(n);
    shown.Add("ENombre" + row);
    shown.Add("Edit" + row + "e");
    shown.Add("Edit" + row + "k");
    shown.Add("Edit" + row + "RT");
  }

  if (c.IsBuriedPipe())
    shown.Add({"EditTsuelo"});
  else
    shown.Add({"EditTe"});

  const bool thickness = c.ThicknessTarget();
  if (c.IsPlate()) {
    if (thickness) {
      ConditionFields(c, shown);
    } else if (c.condensationRow == 0) {
      // The interstitial condensation study: humidities and the vapour
      // resistivities of the rows in use.
      shown.Add({"EditFiI", "EditFiE"});
      for (int n = 1; n <= layers; ++n) shown.Add("Editrv" + QString::number(n));
    }
  } else if (c.IsPipe()) {
    shown.Add({"Editr0"});
    if (c.IsPipeInBox()) shown.Add({"EditeCaja", "EditkCaja", "EditRTCaja"});
    if (thickness)
      ConditionFields(c, shown);
    else if (c.waterEstimateRow == 0)
      shown.Add({"EditLongitud"});
  } else if (c.IsSphere()) {
    shown.Add({"Editr0"});
    if (thickness) ConditionFields(c, shown);
  } else if (c.IsTank()) {
    shown.Add({"Editr0", "EditLongitud"});
  } else {
    if (thickness) ConditionFields(c, shown);
    if (c.airEstimateRow == 0) shown.Add({"EditLongitud"});
  }

  InteriorFields(c, interiorMode, shown);
  ExteriorFields(c, exteriorMode, shown);
  if (TemperaturesHidden(c, interiorMode, exteriorMode)) {
    shown.set.remove(QStringLiteral("EditTi"));
    shown.set.remove(QStringLiteral("EditTe"));
    shown.set.remove(QStringLiteral("EditTsuelo"));
  }
  // A humidity asked for by a condition of a buried pipe sits in the hidden
  // exterior panel.
  if (c.IsBuriedPipe()) shown.set.remove(QStringLiteral("EditFiE"));
  return shown.set;
}
