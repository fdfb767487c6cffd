// SPDX-License-Identifier: GPL-3.0-or-later
#include "installation/RowCase.h"

#include "engine/InsulationLayer.h"
#include "form/CaseOpening.h"
#include "form/NumberFormat.h"
#include "results/CaseCalculation.h"
#include "studies/ThicknessSweep.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// A number the program puts in a case, in the fewest digits that keep it.
QString NumberText(double value) {
  QString text = QString::number(value, 'g', 7);
  if (text.contains(QLatin1Char('e'))) return FormatFixed(value, 7, 4);
  text.replace(QLatin1Char('.'), DecimalSeparator());
  return text;
}

std::optional<double> Number(const QString& text) {
  const std::optional<float> value = TryParseNumber(text);
  if (!value) return std::nullopt;
  return double(*value);
}

void PutElement(Case& c, SectionElement element) {
  switch (element) {
    case SectionElement::PipeInAirVertical:
      c.kind = GeometryKind::Pipe;
      c.pipePlacing = 0;
      break;
    case SectionElement::PipeInAirHorizontal:
      c.kind = GeometryKind::Pipe;
      c.pipePlacing = 1;
      break;
    case SectionElement::BuriedPipe:
      c.kind = GeometryKind::Pipe;
      c.pipePlacing = 2;
      break;
    case SectionElement::BuriedPipeInBox:
      c.kind = GeometryKind::Pipe;
      c.pipePlacing = 3;
      break;
    case SectionElement::Duct:
      c.kind = GeometryKind::Special;
      c.specialVariant = 0;
      break;
    case SectionElement::TankVertical:
      c.kind = GeometryKind::Special;
      c.specialVariant = 1;
      break;
    case SectionElement::TankHorizontal:
      c.kind = GeometryKind::Special;
      c.specialVariant = 2;
      break;
    case SectionElement::Plate: c.kind = GeometryKind::Plate; break;
    case SectionElement::Sphere: c.kind = GeometryKind::Sphere; break;
  }
}

// The element a case is, where a row can be one.
SectionElement ElementOf(const Case& c) {
  switch (c.kind) {
    case GeometryKind::Plate: return SectionElement::Plate;
    case GeometryKind::Sphere: return SectionElement::Sphere;
    case GeometryKind::Pipe:
      switch (c.pipePlacing) {
        case 0: return SectionElement::PipeInAirVertical;
        case 2: return SectionElement::BuriedPipe;
        case 3: return SectionElement::BuriedPipeInBox;
        default: return SectionElement::PipeInAirHorizontal;
      }
    case GeometryKind::Special:
      return c.specialVariant == 1   ? SectionElement::TankVertical
             : c.specialVariant == 2 ? SectionElement::TankHorizontal
                                     : SectionElement::Duct;
  }
  return SectionElement::PipeInAirHorizontal;
}

// The layers of a row's case around its insulation: those before it (the
// wall) and after it (a cladding), as the template has them, with the wall of
// a pipe size of the tables in place of the template's.
struct RowLayers {
  std::vector<CaseLayer> inner;
  std::vector<CaseLayer> outer;
  double innerThickness = 0;  // mm, the inner layers together
};

RowLayers LayersOf(const InstallationDocument& doc, const InstallationRow& row) {
  const Case& t = doc.templateCase;
  const int insulation = TemplateInsulationLayer(t);
  RowLayers layers;
  for (int n = 1; n <= t.LayerCount(); ++n) {
    if (n < insulation) layers.inner.push_back(t.layers[n - 1]);
    if (n > insulation) layers.outer.push_back(t.layers[n - 1]);
  }
  if (IsPipeElement(row.element) && !row.pipeSize.trimmed().isEmpty()) {
    if (const PipeSizeEntry* size = FindPipeSize(row.pipeSize)) {
      CaseLayer wall = layers.inner.empty() ? CaseLayer{} : layers.inner.front();
      wall.name = size->layerName;
      wall.thickness = FormatFixed(size->wallThickness, 6, 2);
      wall.conductivity = size->conductivity;
      wall.resistance.clear();
      wall.conductivityGiven = true;
      wall.resistanceGiven = false;
      layers.inner = {wall};
    }
  }
  for (const CaseLayer& layer : layers.inner) layers.innerThickness += double(ParseNumber(layer.thickness));
  return layers;
}

bool SameText(const QString& a, const QString& b) { return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0; }

// The case of a row, with its insulation at `thickness` (a text as it goes in
// the case), or with none when `bare`.
Case BuildCase(const InstallationDocument& doc, const InstallationRow& row, const QString& thickness, bool bare) {
  Case c = doc.templateCase;
  c.reference = row.reference;
  PutElement(c, row.element);
  c.target = 0;

  const RowLayers layers = LayersOf(doc, row);
  const double wall = 2 * layers.innerThickness;
  auto sizeLessWall = [&](const QString& text) {
    const std::optional<double> size = Number(text);
    return size ? NumberText(*size - wall) : text;
  };
  auto metresLessWall = [&](const QString& text) {
    const std::optional<double> size = Number(text);
    return size ? NumberText((*size - wall) * 0.001) : text;
  };

  const PipeSizeEntry* pipeSize = IsPipeElement(row.element) ? FindPipeSize(row.pipeSize) : nullptr;
  if (pipeSize) {
    c.interiorDiameter = FormatFixed(pipeSize->interiorDiameter, 6, 2);
  } else if (IsPipeElement(row.element) || IsTankElement(row.element) || row.element == SectionElement::Sphere) {
    c.interiorDiameter = sizeLessWall(row.diameter);
  }
  if (row.element == SectionElement::Duct) {
    c.ductWidth = metresLessWall(row.width);
    c.interiorHeight = metresLessWall(row.height);
  }
  if (IsTankElement(row.element)) {
    const std::optional<double> height = Number(row.height);
    c.length = height ? NumberText(*height * 0.001) : row.height;
  } else if (IsPipeElement(row.element) || row.element == SectionElement::Duct) {
    c.length = row.length;
  }

  c.interiorTemperature = row.fluidTemperature;
  if (IsBuriedElement(row.element)) {
    c.soilTemperature = row.surroundingsTemperature;
  } else {
    c.exteriorTemperature = row.surroundingsTemperature;
    c.surroundings = EffectivePlacing(row) == RitePlacing::Outside ? 1 : 0;
  }

  std::vector<CaseLayer> stack = layers.inner;
  const bool onlyLayer = layers.inner.empty() && layers.outer.empty();
  if (!bare || onlyLayer) {
    const std::optional<RowMaterial> material = FindRowMaterial(row, doc.userMaterials);
    CaseLayer insulation;
    insulation.name = material ? material->name : row.material.trimmed();
    insulation.conductivity = !row.conductivity.trimmed().isEmpty() ? row.conductivity
                              : material                            ? NumberText(material->conductivity)
                                                                    : QString();
    insulation.vapourResistivity = material ? NumberText(material->vapourResistivity) : QString();
    // The only layer of a bare section stays, at no thickness.
    insulation.thickness = bare ? QStringLiteral("0") : thickness;
    stack.push_back(insulation);
  }
  stack.insert(stack.end(), layers.outer.begin(), layers.outer.end());
  if (stack.size() > static_cast<size_t>(Case::kMaxLayers)) stack.resize(Case::kMaxLayers);
  c.layerCount = static_cast<int>(stack.size());
  for (int n = 0; n < Case::kMaxLayers; ++n) {
    CaseLayer layer = n < c.layerCount ? stack[static_cast<size_t>(n)] : c.layers[static_cast<size_t>(n)];
    layer.insulation = false;
    layer.thicknessSolved = false;
    c.layers[static_cast<size_t>(n)] = layer;
  }
  return AsOpened(c);
}

}  // namespace

const PipeSizeEntry* FindPipeSize(const QString& name) {
  if (name.trimmed().isEmpty()) return nullptr;
  for (int family = 0; family < kPipeFamilies; ++family)
    for (const PipeSizeEntry& size : PipeSizes(family))
      if (SameText(size.layerName, name)) return &size;
  return nullptr;
}

std::optional<RowMaterial> FindRowMaterial(const InstallationRow& row, const std::vector<UserMaterial>& userMaterials) {
  std::optional<RowMaterial> found;
  const QString name = row.material.trimmed();
  if (!name.isEmpty()) {
    for (const MaterialEntry& entry : InsulatingMaterials()) {
      if (SameText(entry.item, name) || SameText(entry.layerName, name)) {
        found = RowMaterial{entry.layerName, entry.item, entry.conductivity, entry.vapourResistivity};
        break;
      }
    }
    if (!found)
      for (const UserMaterial& material : userMaterials)
        if (SameText(material.name, name)) {
          found = RowMaterial{material.name, material.name, material.conductivity, material.vapourResistivity};
          break;
        }
  }
  if (!row.conductivity.trimmed().isEmpty()) {
    const std::optional<double> conductivity = Number(row.conductivity);
    if (!conductivity || !(*conductivity > 0)) return std::nullopt;
    if (!found) found = RowMaterial{name, QString(), 0, 0};
    found->conductivity = static_cast<float>(*conductivity);
  }
  return found;
}

std::vector<UserMaterial> UserMaterialsNamed(const std::vector<InstallationRow>& rows,
                                             const std::vector<UserMaterial>& library,
                                             const std::vector<UserMaterial>& kept) {
  std::vector<UserMaterial> named;
  for (const UserMaterial& material : library) {
    auto same = [&material](const UserMaterial& m) { return SameText(m.name, material.name); };
    if (std::any_of(kept.begin(), kept.end(), same) || std::any_of(named.begin(), named.end(), same)) continue;
    for (const InstallationRow& row : rows) {
      InstallationRow alone;
      alone.material = row.material;
      // A name the built-in list holds is that list's, whatever the user's list says.
      if (SameText(row.material, material.name) && !FindRowMaterial(alone, {})) {
        named.push_back(material);
        break;
      }
    }
  }
  return named;
}

int TemplateInsulationLayer(const Case& templateCase) {
  if (templateCase.ThicknessTarget())
    if (const int marked = templateCase.MarkedLayer()) return marked;
  Case heatFlow = templateCase;
  heatFlow.target = 0;
  if (const int layer = InsulationLayerOf(CaseInputs(heatFlow))) return layer;
  // No layer insulates: the insulation goes on the outside of the others.
  return std::min(templateCase.LayerCount() + 1, int(Case::kMaxLayers));
}

int RowInsulationLayer(const InstallationDocument& doc, const InstallationRow& row) {
  return static_cast<int>(LayersOf(doc, row).inner.size()) + 1;
}

std::optional<RowProblem> CheckRow(const InstallationDocument& doc, const InstallationRow& row) {
  using Kind = RowProblem::Kind;
  auto positive = [](const QString& text, const char* column, const char* what) -> std::optional<RowProblem> {
    const QString name = QCoreApplication::translate("RowCase", what);
    if (text.trimmed().isEmpty())
      return RowProblem{Kind::MissingValue, QLatin1String(column),
                        QCoreApplication::translate("RowCase", "Falta %1").arg(name)};
    const std::optional<double> value = Number(text);
    if (!value)
      return RowProblem{Kind::NotANumber, QLatin1String(column),
                        QCoreApplication::translate("RowCase", "No es un número: %1").arg(name)};
    if (!(*value > 0))
      return RowProblem{Kind::OutOfBounds, QLatin1String(column),
                        QCoreApplication::translate("RowCase", "Debe ser mayor que cero: %1").arg(name)};
    return std::nullopt;
  };
  auto number = [](const QString& text, const char* column, const char* what) -> std::optional<RowProblem> {
    const QString name = QCoreApplication::translate("RowCase", what);
    if (text.trimmed().isEmpty())
      return RowProblem{Kind::MissingValue, QLatin1String(column),
                        QCoreApplication::translate("RowCase", "Falta %1").arg(name)};
    if (!Number(text))
      return RowProblem{Kind::NotANumber, QLatin1String(column),
                        QCoreApplication::translate("RowCase", "No es un número: %1").arg(name)};
    return std::nullopt;
  };

  std::optional<RowProblem> problem;
  const SectionElement e = row.element;
  double size = 0;  // the least size the wall must leave a bore in, mm
  if (IsPipeElement(e) && !row.pipeSize.trimmed().isEmpty()) {
    if (!FindPipeSize(row.pipeSize))
      return RowProblem{Kind::UnknownPipeSize, QStringLiteral("diametro_mm"),
                        QCoreApplication::translate("RowCase", "No hay ninguna tubería \"%1\" en las tablas")
                            .arg(row.pipeSize.trimmed())};
  } else if (IsPipeElement(e) || IsTankElement(e) || e == SectionElement::Sphere) {
    if ((problem = positive(row.diameter, "diametro_mm", QT_TRANSLATE_NOOP("RowCase", "el diámetro")))) return problem;
    size = *Number(row.diameter);
  }
  if (e == SectionElement::Duct) {
    if ((problem = positive(row.width, "ancho_mm", QT_TRANSLATE_NOOP("RowCase", "el ancho del conducto"))))
      return problem;
    if ((problem = positive(row.height, "alto_mm", QT_TRANSLATE_NOOP("RowCase", "el alto del conducto"))))
      return problem;
    size = std::min(*Number(row.width), *Number(row.height));
  }
  if (IsTankElement(e) &&
      (problem = positive(row.height, "alto_mm", QT_TRANSLATE_NOOP("RowCase", "la altura del depósito"))))
    return problem;
  const char* quantity =
      SectionQuantityOf(e) == SectionQuantity::Units          ? QT_TRANSLATE_NOOP("RowCase", "el número de unidades")
      : SectionQuantityOf(e) == SectionQuantity::SquareMetres ? QT_TRANSLATE_NOOP("RowCase", "la superficie")
                                                              : QT_TRANSLATE_NOOP("RowCase", "la longitud");
  if ((problem = positive(row.length, "longitud_m", quantity))) return problem;
  if ((problem = number(row.fluidTemperature, "t_fluido", QT_TRANSLATE_NOOP("RowCase", "la temperatura del fluido"))))
    return problem;
  if ((problem = number(row.surroundingsTemperature, "t_ambiente",
                        QT_TRANSLATE_NOOP("RowCase", "la temperatura del ambiente"))))
    return problem;

  if (!row.conductivity.trimmed().isEmpty()) {
    if ((problem = positive(row.conductivity, "conductividad",
                            QT_TRANSLATE_NOOP("RowCase", "la conductividad del aislante"))))
      return problem;
  } else if (row.material.trimmed().isEmpty()) {
    return RowProblem{Kind::MissingValue, QStringLiteral("material"),
                      QCoreApplication::translate("RowCase", "Falta el material aislante")};
  } else if (!FindRowMaterial(row, doc.userMaterials)) {
    return RowProblem{Kind::UnknownMaterial, QStringLiteral("material"),
                      QCoreApplication::translate("RowCase", "No hay ningún material \"%1\" en las listas")
                          .arg(row.material.trimmed())};
  }
  if (!row.riteMinimum &&
      (problem = positive(row.thickness, "espesor_mm", QT_TRANSLATE_NOOP("RowCase", "el espesor del aislante"))))
    return problem;

  const double wall = 2 * LayersOf(doc, row).innerThickness;
  if (size > 0 && !(size > wall))
    return RowProblem{
        Kind::WallLargerThanSize,
        e == SectionElement::Duct ? QStringLiteral("ancho_mm") : QStringLiteral("diametro_mm"),
        QCoreApplication::translate("RowCase", "La pared de la plantilla (%1 mm de lado a lado) no cabe en la medida")
            .arg(NumberText(wall))};
  return std::nullopt;
}

Case RowCase(const InstallationDocument& doc, const InstallationRow& row, std::optional<float> thickness) {
  if (!thickness && row.riteMinimum) {
    const RiteMinimumChoice choice = RiteMinimumThickness(doc, row);
    if (!choice.anyMinimum) return BareRowCase(doc, row);
    thickness = choice.thickness;
  }
  return BuildCase(doc, row, thickness ? NumberText(*thickness) : row.thickness, false);
}

Case BareRowCase(const InstallationDocument& doc, const InstallationRow& row) {
  return BuildCase(doc, row, QString(), true);
}

RiteMinimumChoice RiteMinimumThickness(const InstallationDocument& doc, const InstallationRow& row) {
  RiteMinimumChoice choice;
  const std::vector<float>& series = CommercialThicknesses();
  choice.thickness = series.back();
  // The minimum does not depend on the thickness of the insulation (only on
  // its conductivity, the size and the fluid), so that one verdict on the
  // inputs alone, with the layers' own thicknesses, gives it.
  const Case c = BuildCase(doc, row, NumberText(series.front()), false);
  const CalcInputs in = CaseInputs(c);
  Results r;
  r.layerCount = in.layerCount;
  for (int n = 1; n <= in.layerCount; ++n)
    r.thicknesses[static_cast<size_t>(n)] = in.layers[static_cast<size_t>(n)].thickness;
  const RiteVerdict verdict = CheckRite(in, r, RowInsulationLayer(doc, row));
  if (verdict.scope == RiteVerdict::Scope::NotApplicable) return choice;
  choice.anyMinimum = true;
  choice.minimum = EffectivePlacing(row) == RitePlacing::Inside && !verdict.onlyOutside ? verdict.insideMinimum
                                                                                        : verdict.outsideMinimum;
  const long long minimum = std::llround(double(choice.minimum) * 10);
  for (float t : series) {
    if (std::llround(double(t) * 10) >= minimum) {
      choice.met = true;
      choice.thickness = t;
      break;
    }
  }
  return choice;
}

RowFromCaseResult RowFromCase(const InstallationDocument& doc, const InstallationRow& row, const Case& edited) {
  const Case base = RowCase(doc, row);
  RowFromCaseResult result;
  InstallationRow& back = result.row;
  back = row;
  auto changed = [](const QString& a, const QString& b) { return a.trimmed() != b.trimmed(); };

  back.reference = edited.reference;
  const SectionElement element = ElementOf(edited);
  if (element != ElementOf(base)) {
    back.element = element;
    back.placing = IsBuriedElement(element)             ? RitePlacing::Buried
                   : row.placing == RitePlacing::Buried ? RitePlacing::Inside
                                                        : row.placing;
  }
  if (changed(edited.interiorTemperature, base.interiorTemperature)) back.fluidTemperature = edited.interiorTemperature;
  const QString& surroundings = IsBuriedElement(element) ? edited.soilTemperature : edited.exteriorTemperature;
  const QString& baseSurroundings = IsBuriedElement(ElementOf(base)) ? base.soilTemperature : base.exteriorTemperature;
  if (changed(surroundings, baseSurroundings) || element != ElementOf(base))
    back.surroundingsTemperature = surroundings;
  if (!IsBuriedElement(element) && edited.surroundings != base.surroundings)
    back.placing = edited.surroundings == 1 ? RitePlacing::Outside : RitePlacing::Inside;

  // The layers: the row's insulation is the layer after the template's inner
  // ones; the inner ones give the wall the size is measured over.
  const int layer = RowInsulationLayer(doc, row);
  double wall = 0;
  for (int n = 1; n < layer && n <= edited.LayerCount(); ++n)
    wall += 2 * double(ParseNumber(edited.layers[n - 1].thickness));
  auto plusWall = [&](const QString& text, double scale) {
    const std::optional<double> value = Number(text);
    return value ? NumberText(*value * scale + wall) : text;
  };
  const bool sizeChanged =
      changed(edited.interiorDiameter, base.interiorDiameter) || (layer > 1 && edited.layers[0] != base.layers[0]);
  if ((IsPipeElement(element) || IsTankElement(element) || element == SectionElement::Sphere) &&
      (sizeChanged || element != ElementOf(base))) {
    back.pipeSize.clear();
    back.diameter = plusWall(edited.interiorDiameter, 1);
  }
  if (element == SectionElement::Duct &&
      (changed(edited.ductWidth, base.ductWidth) || changed(edited.interiorHeight, base.interiorHeight) ||
       element != ElementOf(base))) {
    back.width = plusWall(edited.ductWidth, 1000);
    back.height = plusWall(edited.interiorHeight, 1000);
  }
  if (IsTankElement(element) && changed(edited.length, base.length)) {
    const std::optional<double> height = Number(edited.length);
    back.height = height ? NumberText(*height * 1000) : edited.length;
  } else if ((IsPipeElement(element) || element == SectionElement::Duct) && changed(edited.length, base.length)) {
    back.length = edited.length;
  }

  if (layer <= edited.LayerCount() && layer <= base.LayerCount()) {
    const CaseLayer& now = edited.layers[static_cast<size_t>(layer - 1)];
    const CaseLayer& was = base.layers[static_cast<size_t>(layer - 1)];
    if (changed(now.name, was.name)) back.material = now.name;
    if (changed(now.conductivity, was.conductivity) || changed(now.name, was.name))
      back.conductivity = now.conductivity;
    if (changed(now.thickness, was.thickness)) {
      back.thickness = now.thickness;
      back.riteMinimum = false;
    }
  }

  // What the row cannot hold: every value that still differs from the case the
  // row now stands for.
  const Case now = RowCase(doc, back);
  for (const CaseField& field : CaseFields()) {
    const bool differs = field.type == CaseValueType::Text ? changed(CaseText(edited, field), CaseText(now, field))
                                                           : CaseInteger(edited, field) != CaseInteger(now, field);
    if (differs) {
      QString meaning = FieldMeaningText(field);
      if (field.layer > 0 && !meaning.isEmpty())
        meaning = QCoreApplication::translate("RowCase", "%1 (capa %2)").arg(meaning).arg(field.layer);
      if (!meaning.isEmpty() && !result.leftOut.contains(meaning)) result.leftOut << meaning;
    }
  }
  return result;
}
