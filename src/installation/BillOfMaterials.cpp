// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/BillOfMaterials.h"

#include "form/NumberFormat.h"
#include "installation/RowCase.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double Millimetres(const QString& text) { return double(ParseNumber(text)) * 0.001; }

}  // namespace

QString PipeSizeLabel(const InstallationRow& row) {
  if (const PipeSizeEntry* size = FindPipeSize(row.pipeSize)) return size->layerName;
  // Every digit typed counts: two diameters that differ are never one label.
  QString diameter = QString::number(double(ParseNumber(row.diameter)), 'g', 7);
  diameter.replace(QLatin1Char('.'), DecimalSeparator());
  return QString::fromUtf8("Ø ") + diameter + QStringLiteral(" mm");
}

double InsulatedSurface(const InstallationRow& row) {
  const double quantity = double(ParseNumber(row.length));
  switch (row.element) {
    case SectionElement::Duct: return 2 * (Millimetres(row.width) + Millimetres(row.height)) * quantity;
    case SectionElement::TankVertical:
    case SectionElement::TankHorizontal: {
      const double D = Millimetres(row.diameter), H = Millimetres(row.height);
      return (kPi * D * H + 2 * kPi * D * D / 4) * quantity;
    }
    case SectionElement::Sphere: {
      const double D = Millimetres(row.diameter);
      return kPi * D * D * quantity;
    }
    case SectionElement::Plate: return quantity;
    default: return 0;
  }
}

BillOfMaterials MakeBillOfMaterials(const InstallationDocument& doc, const std::vector<RowOutcome>& outcomes) {
  BillOfMaterials bill;
  const size_t count = std::min(outcomes.size(), doc.rows.size());
  for (size_t i = 0; i < count; ++i) {
    const RowOutcome& o = outcomes[i];
    if (!o.Calculated() || !(o.thickness > 0)) continue;
    const InstallationRow& row = doc.rows[i];
    const std::optional<RowMaterial> found = FindRowMaterial(row, doc.userMaterials);
    // Each product apart: two materials of one layer name (glass wool as a
    // blanket and as pipe sections) are bought apart, and so is a material
    // whose conductivity the row gives.
    QString material = found && !found->listName.isEmpty() ? found->listName : row.material.trimmed();
    if (found && !row.conductivity.trimmed().isEmpty())
      material += QStringLiteral(" (%1 W/mºC)").arg(FormatFixed(found->conductivity, 6, 3));
    const bool pipe = IsPipeElement(row.element);
    const QString size = pipe ? PipeSizeLabel(row) : QString();
    const double quantity = pipe ? double(ParseNumber(row.length)) : InsulatedSurface(row);
    const QString unit = pipe ? QStringLiteral("m") : QStringLiteral("m2");

    auto same = [&](const BillLine& l) {
      return l.material == material && l.thickness == o.thickness && l.size == size && l.unit == unit;
    };
    auto it = std::find_if(bill.lines.begin(), bill.lines.end(), same);
    if (it == bill.lines.end())
      it = bill.lines.insert(bill.lines.end(), BillLine{material, o.thickness, size, 0, unit, 0});
    it->quantity += quantity;
    ++it->sections;

    auto total = std::find_if(bill.totals.begin(), bill.totals.end(),
                              [&](const BillMaterialTotal& t) { return t.material == material; });
    if (total == bill.totals.end()) total = bill.totals.insert(bill.totals.end(), BillMaterialTotal{material, 0, 0});
    (pipe ? total->metres : total->squareMetres) += quantity;
  }
  // By material in the order first met, then by thickness; sizes keep the
  // order they were first met in.
  auto rank = [&bill](const QString& material) {
    for (size_t k = 0; k < bill.totals.size(); ++k)
      if (bill.totals[k].material == material) return k;
    return bill.totals.size();
  };
  std::stable_sort(bill.lines.begin(), bill.lines.end(), [&](const BillLine& a, const BillLine& b) {
    const size_t ra = rank(a.material), rb = rank(b.material);
    return ra != rb ? ra < rb : a.thickness < b.thickness;
  });
  return bill;
}
