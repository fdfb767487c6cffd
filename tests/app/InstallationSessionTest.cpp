// SPDX-License-Identifier: GPL-3.0-or-later
// The installation's window without widgets: editing the table in place, the
// refused rows, the files and the pipe lists through the program's dialogs,
// and the way to the main window and back.
#include "InstallationSample.h"

#include "app/Brenak.h"
#include "app/InstallationCaseLink.h"
#include "app/InstallationCommands.h"
#include "app/InstallationSession.h"
#include "app/InstallationTableModel.h"
#include "app/StartUp.h"
#include "files/CaseFile.h"
#include "form/FileDialogs.h"
#include "form/NumberFormat.h"
#include "installation/InstallationFile.h"
#include "installation/RowCase.h"
#include "results/CaseCalculation.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>

namespace {

using Model = InstallationTableModel;

class ChosenFiles : public FileDialogs {
 public:
  QString AskOpenFile(const QString&, const QString&, const QString&) override { return open; }
  QString AskSaveFile(const QString&, const QString&, const QString&) override { return save; }
  SaveAnswer AskSaveChanges(const QString& name) override {
    asked << name;
    return answer;
  }
  QString open, save;
  SaveAnswer answer = SaveAnswer::Cancel;
  QStringList asked;
};

class InstallationSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDecimalSeparator('.');
    CreateMainWindow(app, QString());
    app.dialogs = &dialogs;
    session.Replace(SampleInstallation(8), QString(), false);
  }
  void TearDown() override { ResetDecimalSeparator(); }

  const RowOutcome& Outcome(int row) const { return session.Results().rows[static_cast<size_t>(row)]; }
  double SumOfRows() const {
    double sum = 0;
    for (const RowOutcome& o : session.Results().rows)
      if (o.Calculated()) sum += std::fabs(o.heatFlow);
    return sum;
  }
  bool Set(int row, int column, const QVariant& value) { return model.setData(model.index(row, column), value); }
  QVariant Data(int row, int column, int role = Qt::DisplayRole) const {
    return model.data(model.index(row, column), role);
  }
  void Type(const char* field, const char* text) {
    app.form.UserClick(field);
    app.form.UserType(field, text);
    app.form.UserLeave(field);
  }

  QTemporaryDir dir;
  RecordingMessageSink sink;
  Brenak app{sink};
  ChosenFiles dialogs;
  InstallationSession session{app};
  Model model{session};
};

TEST_F(InstallationSessionTest, AnEditTellsItsRowAloneAndTheSumsFollow) {
  std::vector<std::pair<int, int>> changed;
  QObject::connect(&model, &QAbstractItemModel::dataChanged, [&](const QModelIndex& from, const QModelIndex& to) {
    changed.push_back({from.row(), to.row()});
  });
  int sums = 0;
  QObject::connect(&session, &InstallationSession::totalsChanged, [&] { ++sums; });
  const RowOutcome before = Outcome(1);

  ASSERT_TRUE(Set(2, Model::Quantity, QStringLiteral("10")));
  EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{2, 2}}));
  EXPECT_EQ(sums, 1);
  EXPECT_EQ(session.Document().rows[2].length, QStringLiteral("10"));
  EXPECT_NEAR(Outcome(2).heatFlow, Outcome(2).heatFlowPerUnit * 10, 1e-6 * std::fabs(Outcome(2).heatFlow));
  EXPECT_EQ(Outcome(1).heatFlow, before.heatFlow);
  EXPECT_NEAR(session.Results().totals.heatFlowW, SumOfRows(), 1e-6);
  EXPECT_TRUE(session.Modified());
  EXPECT_EQ(Data(2, Model::Quantity), QStringLiteral("10 m"));
}

TEST_F(InstallationSessionTest, ARefusedRowKeepsItsTextShowsItsMessageAndLeavesTheTotals) {
  ASSERT_TRUE(Set(1, Model::FluidTemperature, QStringLiteral("setenta")));
  ASSERT_FALSE(Outcome(1).Calculated());
  EXPECT_EQ(Data(1, Model::FluidTemperature, Qt::EditRole), QStringLiteral("setenta"));
  EXPECT_TRUE(Data(1, Model::HeatFlow, Model::RefusedRole).toBool());
  EXPECT_FALSE(Data(0, Model::HeatFlow, Model::RefusedRole).toBool());
  EXPECT_EQ(Data(1, Model::Verdict, Qt::ToolTipRole), Outcome(1).refusal->text);
  EXPECT_EQ(Data(1, Model::Reference, Qt::ToolTipRole), Outcome(1).refusal->text);
  EXPECT_TRUE(Data(1, Model::Reference, Qt::DecorationRole).isValid());
  EXPECT_FALSE(Data(0, Model::Reference, Qt::DecorationRole).isValid());
  EXPECT_EQ(Data(1, Model::Verdict), QStringLiteral("Rechazada"));
  EXPECT_EQ(Data(1, Model::HeatFlow), QString());
  // The cell the message is about stands out from the rest of the row.
  EXPECT_NE(Data(1, Model::FluidTemperature, Qt::BackgroundRole), Data(1, Model::Reference, Qt::BackgroundRole));
  EXPECT_EQ(session.Results().totals.rowsLeftOut, 1);
  EXPECT_NEAR(session.Results().totals.heatFlowW, SumOfRows(), 1e-6);

  ASSERT_TRUE(Set(1, Model::FluidTemperature, QStringLiteral("70")));
  EXPECT_TRUE(Outcome(1).Calculated());
  EXPECT_EQ(session.Results().totals.rowsLeftOut, 0);
}

TEST_F(InstallationSessionTest, OnlyTheColumnsOfTheElementAreEdited) {
  const auto editable = [&](int row, int column) {
    return bool(model.flags(model.index(row, column)) & Qt::ItemIsEditable);
  };
  // Row 4 is a duct; row 0 a pipe of the tables, whose diameter is the table's.
  EXPECT_FALSE(editable(4, Model::PipeSize));
  EXPECT_TRUE(editable(4, Model::Width));
  EXPECT_FALSE(editable(0, Model::Diameter));
  const PipeSizeEntry& size = PipeSizes(0)[0];
  EXPECT_EQ(Data(0, Model::Diameter), FormatFixed(size.interiorDiameter + 2 * size.wallThickness, 6, 1));
  EXPECT_EQ(Data(4, Model::PipeSize), QString());
  EXPECT_FALSE(editable(0, Model::Width));
  EXPECT_FALSE(editable(0, Model::HeatFlow));
  EXPECT_FALSE(Set(0, Model::Width, QStringLiteral("300")));

  ASSERT_TRUE(Set(0, Model::Element, static_cast<int>(SectionElement::BuriedPipe)));
  EXPECT_EQ(session.Document().rows[0].placing, RitePlacing::Buried);
  EXPECT_FALSE(editable(0, Model::Placing));
  ASSERT_TRUE(Set(0, Model::Element, static_cast<int>(SectionElement::PipeInAirVertical)));
  EXPECT_EQ(session.Document().rows[0].placing, RitePlacing::Inside);
  EXPECT_TRUE(editable(0, Model::Placing));
  EXPECT_FALSE(Set(0, Model::Element, kSectionElementCount));
  EXPECT_FALSE(Set(0, Model::Placing, -1));
}

TEST_F(InstallationSessionTest, TheThicknessTakesANumberOrTheRegulationsMinimum) {
  ASSERT_TRUE(Set(0, Model::Thickness, QStringLiteral("Mínimo RITE")));
  EXPECT_TRUE(session.Document().rows[0].riteMinimum);
  ASSERT_TRUE(Outcome(0).Calculated());
  EXPECT_TRUE(Outcome(0).thicknessFromRite);
  EXPECT_EQ(Data(0, Model::Thickness, Qt::EditRole), RiteMinimumText());
  EXPECT_EQ(Data(0, Model::Thickness), FormatFixed(Outcome(0).thickness, 6, 0) + QStringLiteral(" (mín. RITE)"));
  EXPECT_EQ(Data(0, Model::Thickness, Model::ChoicesRole).toStringList().value(0), RiteMinimumText());

  ASSERT_TRUE(Set(0, Model::Thickness, QStringLiteral("25")));
  EXPECT_FALSE(session.Document().rows[0].riteMinimum);
  EXPECT_EQ(session.Document().rows[0].thickness, QStringLiteral("25"));
  EXPECT_FLOAT_EQ(Outcome(0).thickness, 25.0f);
}

TEST_F(InstallationSessionTest, SavedAndOpenedAgainTheDocumentIsTheSame) {
  ASSERT_TRUE(Set(3, Model::Reference, QStringLiteral("Montante cubierta")));
  dialogs.save = dir.filePath(QStringLiteral("obra.json"));
  ASSERT_TRUE(SaveInstallationAs(session));
  const QString path = dir.filePath(QStringLiteral("obra") + kInstallationSuffix);
  EXPECT_EQ(session.Path(), path);
  EXPECT_FALSE(session.Modified());
  const InstallationDocument saved = session.Document();
  std::vector<double> figures;
  for (const RowOutcome& o : session.Results().rows) figures.push_back(o.heatFlow);

  dialogs.answer = SaveAnswer::Discard;
  NewInstallation(session);
  EXPECT_EQ(session.RowCount(), 0);
  ASSERT_TRUE(OpenInstallationFile(session, path));
  EXPECT_EQ(session.Document().rows, saved.rows);
  EXPECT_EQ(session.Document().totals, saved.totals);
  // The template comes back as the values a project file keeps, and every row
  // gives the figures it gave.
  EXPECT_EQ(RecordsOfCase(session.Document().templateCase), RecordsOfCase(saved.templateCase));
  ASSERT_EQ(session.Results().rows.size(), figures.size());
  for (size_t i = 0; i < figures.size(); ++i) {
    EXPECT_EQ(session.Results().rows[i].heatFlow, figures[i]) << i;
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(InstallationSessionTest, ADamagedOrNewerFileIsRefusedAndNothingIsLost) {
  Set(0, Model::Reference, QStringLiteral("sin guardar"));
  const InstallationDocument before = session.Document();
  const QString damaged = dir.filePath(QStringLiteral("roto") + kInstallationSuffix);
  QFile file(damaged);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("{\"version\": 1, \"filas\": [");
  file.close();
  QJsonObject root = QJsonDocument::fromJson(WriteInstallation(before)).object();
  root.insert(QStringLiteral("version"), InstallationDocument::kFormatVersion + 1);
  const QByteArray newer = QJsonDocument(root).toJson();
  const QString future = dir.filePath(QStringLiteral("futuro") + kInstallationSuffix);
  QFile later(future);
  ASSERT_TRUE(later.open(QIODevice::WriteOnly));
  later.write(newer);
  later.close();

  for (const QString& path : {damaged, future}) {
    sink.shown.clear();
    EXPECT_FALSE(OpenInstallationFile(session, path));
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].id, MessageId::ProjectNotOpened);
    EXPECT_TRUE(sink.shown[0].text.contains(QStringLiteral("roto")) ||
                sink.shown[0].text.contains(QStringLiteral("futuro")));
    EXPECT_EQ(session.Document(), before);
    EXPECT_TRUE(session.Modified());
  }
}

TEST_F(InstallationSessionTest, APipeListAddsItsGoodLinesAndTellsEveryBadOne) {
  const QString list = dir.filePath(QStringLiteral("lista.csv"));
  QFile file(list);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "referencia;elemento;diametro_mm;longitud_m;t_fluido;t_ambiente;ubicacion;material;espesor_mm;color\n"
      "A1;tuberia_aire_horizontal;60,3;12;70;20;interior;Lana de vidrio;30;rojo\n"
      "A2;tuberia_voladora;60,3;12;70;20;interior;Lana de vidrio;30;azul\n"
      "A3;tuberia_aire_vertical;42,4;8;70;20;interior;Lana de vidrio;minimo_rite;verde\n"
      "A4;tuberia_aire_vertical;42,4;;70;20;interior;Lana de vidrio;25;verde\n");
  file.close();
  const int before = session.RowCount();
  ImportSectionsFile(session, list);
  ASSERT_EQ(session.RowCount(), before + 2);
  EXPECT_EQ(session.Document().rows[static_cast<size_t>(before)].reference, QStringLiteral("A1"));
  EXPECT_TRUE(session.Document().rows[static_cast<size_t>(before) + 1].riteMinimum);
  ASSERT_EQ(sink.shown.size(), 1u);
  const QString told = sink.shown[0].text;
  EXPECT_TRUE(told.contains(QStringLiteral("línea 3:"))) << told.toStdString();
  EXPECT_TRUE(told.contains(QStringLiteral("línea 5:"))) << told.toStdString();
  EXPECT_FALSE(told.contains(QStringLiteral("línea 2:"))) << told.toStdString();
  EXPECT_TRUE(told.contains(QStringLiteral("color"))) << told.toStdString();
}

TEST_F(InstallationSessionTest, LeavingAChangedDocumentAsksFirst) {
  Set(0, Model::Reference, QStringLiteral("cambiada"));
  dialogs.answer = SaveAnswer::Cancel;
  NewInstallation(session);
  EXPECT_EQ(dialogs.asked, QStringList{QStringLiteral("Instalación sin título")});
  EXPECT_EQ(session.RowCount(), 8);
  dialogs.answer = SaveAnswer::Save;
  dialogs.save = dir.filePath(QStringLiteral("guardada"));
  NewInstallation(session);
  EXPECT_EQ(session.RowCount(), 0);
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("guardada") + kInstallationSuffix)));
}

TEST_F(InstallationSessionTest, ARowOpenedInTheMainWindowShowsItsFiguresAndItsChangesComeBack) {
  ASSERT_TRUE(OpenRowInMainWindow(session, 0));
  ASSERT_TRUE(app.lastOutcome && app.lastOutcome->HasResults());
  EXPECT_NEAR(app.lastOutcome->engine.results.heatFlow, Outcome(0).heatFlowPerUnit, 1e-4);
  EXPECT_EQ(app.form.Text(QStringLiteral("EditReferencia")), session.Document().rows[0].reference);
  ASSERT_TRUE(session.Link());
  EXPECT_EQ(session.Link()->kind, MainWindowLink::Kind::Row);

  // Rows put in before it move the link with the row.
  session.InsertRows(0, {SampleRow(7)});
  EXPECT_EQ(session.Link()->row, 1);
  Type("EditTi", "85");
  BringBackFromMainWindow(session);
  EXPECT_EQ(session.Document().rows[1].fluidTemperature, QStringLiteral("85"));
  EXPECT_EQ(session.Document().rows[0].fluidTemperature, SampleRow(7).fluidTemperature);
  ASSERT_TRUE(Outcome(1).Calculated());

  session.RemoveRows(1, 1);
  EXPECT_FALSE(session.Link());
}

TEST_F(InstallationSessionTest, TheTemplateEditedInTheMainWindowComesBackToEveryRow) {
  const double before = Outcome(0).heatFlow;
  ASSERT_TRUE(EditTemplate(session));
  EXPECT_EQ(app.form.Text(QStringLiteral("EditReferencia")), session.Document().templateCase.reference);
  // A shiny cladding radiates less: every pipe in air loses less.
  Type("Editemisionhe", "0.1");
  BringBackFromMainWindow(session);
  EXPECT_EQ(session.Document().templateCase.exteriorEmissivity, QStringLiteral("0.1"));
  EXPECT_LT(Outcome(0).heatFlow, before);
  EXPECT_TRUE(session.Modified());
}

TEST_F(InstallationSessionTest, AChangedCaseOnTheMainWindowIsOfferedToBeSavedFirst) {
  Type("EditTi", "55");
  ASSERT_TRUE(app.modified);
  dialogs.answer = SaveAnswer::Cancel;
  EXPECT_FALSE(OpenRowInMainWindow(session, 0));
  EXPECT_FALSE(session.Link());
  EXPECT_EQ(app.form.Text(QStringLiteral("EditTi")), QStringLiteral("55"));
}

}  // namespace

namespace {

// Every element a row can be, opened in the main window: the window's own
// calculation of the case gives the figures the row shows.
class RowInMainWindowTest : public InstallationSessionTest, public ::testing::WithParamInterface<SectionElement> {};

TEST_P(RowInMainWindowTest, TheMainWindowGivesTheRowsFigures) {
  InstallationRow row;
  row.reference = QStringLiteral("Tramo");
  row.element = GetParam();
  row.placing = DefaultPlacing(row.element);
  row.diameter = IsTankElement(row.element) ? QStringLiteral("800") : QStringLiteral("88.9");
  row.width = QStringLiteral("500");
  row.height = IsTankElement(row.element) ? QStringLiteral("1500") : QStringLiteral("300");
  row.length = QStringLiteral("3");
  row.fluidTemperature = QStringLiteral("60");
  row.surroundingsTemperature = QStringLiteral("15");
  row.material = QStringLiteral("Lana de roca");
  row.thickness = QStringLiteral("40");
  InstallationDocument doc = NewInstallationDocument();
  doc.rows = {row};
  session.Replace(doc, QString(), false);
  ASSERT_TRUE(Outcome(0).Calculated()) << Outcome(0).refusal->text.toStdString();

  ASSERT_TRUE(OpenRowInMainWindow(session, 0));
  ASSERT_TRUE(app.lastOutcome && app.lastOutcome->HasResults());
  const CaseOutcome alone = CalculateCase(RowCase(session.Document(), session.Document().rows[0]));
  EXPECT_EQ(app.lastOutcome->engine.results.heatFlow, alone.engine.results.heatFlow);
  EXPECT_EQ(app.lastOutcome->engine.results.profile, alone.engine.results.profile);
  ASSERT_EQ(app.lastOutcome->rite.has_value(), alone.rite.has_value());
  if (alone.rite) {
    EXPECT_EQ(app.lastOutcome->rite->outsideMinimum, Outcome(0).rite.outsideMinimum);
  }

  // Brought back unchanged, the row is the row it was.
  BringBackFromMainWindow(session);
  EXPECT_EQ(session.Document().rows[0], row);
  EXPECT_TRUE(sink.shown.empty()) << sink.shown.front().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Elements, RowInMainWindowTest,
                         ::testing::Values(SectionElement::PipeInAirHorizontal, SectionElement::PipeInAirVertical,
                                           SectionElement::BuriedPipe, SectionElement::BuriedPipeInBox,
                                           SectionElement::Duct, SectionElement::TankVertical,
                                           SectionElement::TankHorizontal, SectionElement::Plate,
                                           SectionElement::Sphere),
                         [](const ::testing::TestParamInfo<SectionElement>& info) {
                           return SectionElementKey(info.param).toStdString();
                         });

}  // namespace
