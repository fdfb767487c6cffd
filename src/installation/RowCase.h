// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/ReferenceTables.h"
#include "form/Case.h"
#include "form/MessageSink.h"
#include "installation/InstallationDocument.h"

#include <QString>
#include <QStringList>
#include <optional>

// A row stands for a whole case: the template case with the row's element,
// size, length, temperatures, placing and insulation put in. The case is a
// heat-flow calculation of the insulation at the row's thickness; the
// template's layers before its insulation layer (the pipe wall) stay, as do
// those after it (a cladding); the template's insulation layer takes the row's
// material and thickness.

// The pipe size of the pipe tables whose layer name is `name` (any family);
// null when none is.
const PipeSizeEntry* FindPipeSize(const QString& name);

// The insulation a row names: its layer name, conductivity and vapour
// resistivity. Found in the built-in list of insulating materials (by what the
// list shows or by the layer name, letter case aside), then in the user's
// materials; a typed conductivity takes the place of the material's.
struct RowMaterial {
  QString name;                 // the layer's name the case takes ("Lana de vidrio")
  QString listName;             // the material as its list names it ("Coquilla lana de vidrio (valor típico)")
  float conductivity = 0;       // W/mºC
  float vapourResistivity = 0;  // MN s/g m
};
std::optional<RowMaterial> FindRowMaterial(const InstallationRow& row, const std::vector<UserMaterial>& userMaterials);

// The materials of `library` (the user's own) that the rows name and that
// neither the built-in list nor `kept` holds: those a document must keep to
// give the same figures elsewhere.
std::vector<UserMaterial> UserMaterialsNamed(const std::vector<InstallationRow>& rows,
                                             const std::vector<UserMaterial>& library,
                                             const std::vector<UserMaterial>& kept = {});

// The template's insulation layer (1..6): its marked layer, or the least
// conductive insulating one; when it has none, a new layer after the others.
int TemplateInsulationLayer(const Case& templateCase);

// What stops a row from becoming a case, in the row's own terms: a size,
// length or temperature that is no number or out of its bounds, a pipe size
// or material that no list holds, a thickness that is neither a number nor
// "mínimo RITE". Empty when the row can become a case (the case's own checks
// still apply to the rest).
struct RowProblem {
  enum class Kind {
    MissingValue,        // a column the element needs is empty
    NotANumber,          // letters where a number goes
    OutOfBounds,         // a size, length or thickness not above zero
    UnknownPipeSize,     // no size of the pipe tables has that name
    UnknownMaterial,     // no material of the lists has that name, and no conductivity is typed
    WallLargerThanSize,  // the size leaves no bore inside the template's wall
  };
  Kind kind = Kind::MissingValue;
  QString column;  // the column it is about: "diametro_mm", "material"...
  QString text;    // a Spanish sentence for the person
};
std::optional<RowProblem> CheckRow(const InstallationDocument& doc, const InstallationRow& row);

// The case a row stands for, with its insulation at `thickness` mm: the row's
// own thickness when none is given (for "mínimo RITE", the thickness that
// RiteMinimumThickness picks, the largest of the series when none meets the
// tables). A row that CheckRow refuses still gives a case, with its texts as
// typed, so that the case's checks can say what they say of it.
Case RowCase(const InstallationDocument& doc, const InstallationRow& row, std::optional<float> thickness = {});
// The same case without the insulation layer: the bare section. The only layer
// of a case cannot go; it is left at a thickness the calculation counts as none.
Case BareRowCase(const InstallationDocument& doc, const InstallationRow& row);
// The layer of RowCase's case that holds the row's insulation (1..6): after
// the template's inner layers, or after the one wall of a pipe size.
int RowInsulationLayer(const InstallationDocument& doc, const InstallationRow& row);

// The least thickness of the commercial series whose insulation meets the
// tables' minimum for the row's placing, mm. `anyMinimum` says whether the
// tables set a minimum for the row at all; `met` whether a thickness of the
// series meets it (the largest is given when none does).
struct RiteMinimumChoice {
  bool anyMinimum = false;
  bool met = false;
  float thickness = 0;
  float minimum = 0;  // mm, the tables' minimum for the row's placing, corrected to its conductivity
};
RiteMinimumChoice RiteMinimumThickness(const InstallationDocument& doc, const InstallationRow& row);

// A case's changes brought back to the row it was opened from, where they fit
// a row's columns: the element, the size, the length, the temperatures, the
// placing (outdoors or a closed room), the insulation's name, conductivity and
// thickness. `leftOut` names, in the user's words, every value of the case that
// changed and that a row cannot hold (it stays in that case only).
struct RowFromCaseResult {
  InstallationRow row;
  QStringList leftOut;
};
RowFromCaseResult RowFromCase(const InstallationDocument& doc, const InstallationRow& row, const Case& edited);
