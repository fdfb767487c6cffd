// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstallationSession.h"

#include "app/Brenak.h"
#include "app/StartUp.h"
#include "data/ReferenceTables.h"
#include "form/WindowCase.h"
#include "installation/InstallationFile.h"
#include "installation/RowCase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

InstallationSession::InstallationSession(Brenak& app, QObject* parent)
    : QObject(parent), app_(app), doc_(NewInstallationDocument()), results_(CalculateInstallation(doc_)) {}

FileDialogs* InstallationSession::Dialogs() const { return dialogs_ ? dialogs_ : app_.dialogs; }

MessageSink& InstallationSession::Messages() const { return messages_ ? *messages_ : app_.messages; }

void InstallationSession::SetPath(const QString& path, bool modified) {
  if (path == path_ && modified == modified_) return;
  path_ = path;
  modified_ = modified;
  emit stateChanged();
}

QString InstallationSession::Title() const {
  QString name = QFileInfo(path_).fileName();
  if (name.endsWith(kInstallationSuffix)) name.chop(kInstallationSuffix.size());
  if (name.isEmpty()) name = QCoreApplication::translate("InstallationSession", "Sin título");
  return QCoreApplication::translate("InstallationSession", "Instalación — ") + name + QStringLiteral("[*]");
}

void InstallationSession::Touched() {
  if (!modified_) {
    modified_ = true;
    emit stateChanged();
  }
}

void InstallationSession::Replace(InstallationDocument doc, const QString& path, bool modified) {
  emit aboutToReset();
  doc_ = std::move(doc);
  results_ = CalculateInstallation(doc_);
  link_.reset();
  path_ = path;
  modified_ = modified;
  emit reset();
  emit totalsChanged();
  emit stateChanged();
}

void InstallationSession::SetRow(int index, const InstallationRow& row) {
  if (index < 0 || index >= RowCount()) return;
  InstallationRow kept = row;
  KeepUserMaterialOf(kept);
  if (doc_.rows[static_cast<size_t>(index)] == kept) return;
  doc_.rows[static_cast<size_t>(index)] = kept;
  RecalculateRow(doc_, index, results_);
  emit rowChanged(index);
  emit totalsChanged();
  Touched();
}

void InstallationSession::InsertRows(int index, const std::vector<InstallationRow>& rows) {
  if (rows.empty()) return;
  index = std::clamp(index, 0, RowCount());
  emit aboutToInsert(index, index + static_cast<int>(rows.size()) - 1);
  for (size_t i = 0; i < rows.size(); ++i) {
    InstallationRow kept = rows[i];
    KeepUserMaterialOf(kept);
    doc_.rows.insert(doc_.rows.begin() + index + static_cast<int>(i), kept);
    results_.rows.insert(results_.rows.begin() + index + static_cast<int>(i), CalculateRow(doc_, kept));
  }
  RecalculateSums(doc_, results_);
  if (link_ && link_->kind == MainWindowLink::Kind::Row && link_->row >= index)
    link_->row += static_cast<int>(rows.size());
  emit inserted();
  emit totalsChanged();
  Touched();
}

void InstallationSession::RemoveRows(int first, int count) {
  first = std::max(first, 0);
  count = std::min(count, RowCount() - first);
  if (count <= 0) return;
  emit aboutToRemove(first, first + count - 1);
  doc_.rows.erase(doc_.rows.begin() + first, doc_.rows.begin() + first + count);
  results_.rows.erase(results_.rows.begin() + first, results_.rows.begin() + first + count);
  RecalculateSums(doc_, results_);
  bool linkChanged = false;
  if (link_ && link_->kind == MainWindowLink::Kind::Row && link_->row >= first) {
    // The row open in the main window is gone: its case stays there, unlinked.
    if (link_->row < first + count)
      link_.reset();
    else
      link_->row -= count;
    linkChanged = true;
  }
  emit removed();
  emit totalsChanged();
  Touched();
  if (linkChanged) emit stateChanged();
}

void InstallationSession::SetTotalsData(const InstallationTotalsData& totals) {
  if (doc_.totals == totals) return;
  doc_.totals = totals;
  RecalculateSums(doc_, results_);
  emit totalsChanged();
  Touched();
}

void InstallationSession::SetTemplate(const Case& templateCase) {
  emit aboutToReset();
  doc_.templateCase = templateCase;
  results_ = CalculateInstallation(doc_);
  emit reset();
  emit totalsChanged();
  modified_ = true;
  emit stateChanged();
}

void InstallationSession::KeepUserMaterialOf(InstallationRow& row) {
  InstallationRow named;
  named.material = row.material;
  if (named.material.trimmed().isEmpty() || FindRowMaterial(named, doc_.userMaterials)) return;
  for (const UserMaterial& material : app_.userMaterials) {
    if (material.name.trimmed().compare(row.material.trimmed(), Qt::CaseInsensitive) == 0) {
      doc_.userMaterials.push_back(material);
      return;
    }
  }
}

void InstallationSession::SetLink(std::optional<MainWindowLink> link) {
  link_ = link;
  emit stateChanged();
}

Case NewInstallationTemplate() {
  RecordingMessageSink quiet;
  Brenak start(quiet);
  CreateMainWindow(start, QString());
  Form& form = start.form;
  form.UserClick(QStringLiteral("SpeedButton4"));            // a pipe
  form.UserSelect(QStringLiteral("RGTipoTuberias"), 1);      // in air, horizontal
  form.UserSelect(QStringLiteral("RadioGroupCalcular"), 0);  // its heat flow
  form.UserSelect(QStringLiteral("RGhi"), 1);                // a liquid: the inside coefficient neglected
  form.UserSelect(QStringLiteral("RGhe"), 2);                // the outside one calculated
  form.UserSelect(QStringLiteral("RGAmbientehe"), 0);        // in a closed room
  Case c = CaseFromWindow(start);
  c.reference = QCoreApplication::translate("InstallationSession", "Plantilla de la instalación");
  // A sphere cannot have its outside coefficient worked out and imposes it:
  // that of still air in a room, radiation included.
  if (c.exteriorCoefficient.trimmed().isEmpty()) c.exteriorCoefficient = QStringLiteral("10");
  return c;
}

InstallationDocument NewInstallationDocument() {
  InstallationDocument doc;
  doc.templateCase = NewInstallationTemplate();
  return doc;
}

InstallationRow NextRow(const InstallationRow* previous) {
  InstallationRow row;
  if (previous) {
    row = *previous;
    row.reference.clear();
    row.length.clear();
    return row;
  }
  row.element = SectionElement::PipeInAirHorizontal;
  row.placing = RitePlacing::Inside;
  row.fluidTemperature = QStringLiteral("60");
  row.surroundingsTemperature = QStringLiteral("20");
  row.riteMinimum = true;
  if (!InsulatingMaterials().empty()) row.material = InsulatingMaterials().front().item;
  return row;
}
