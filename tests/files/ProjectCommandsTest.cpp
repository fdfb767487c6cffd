// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProjectCommands.h"
#include "files/ProjectFolders.h"

#include "app/Brenak.h"
#include "app/Commands.h"
#include "app/StartUp.h"
#include "files/CaseFile.h"
#include "files/ProjectFile.h"
#include "form/FileDialogs.h"
#include "form/FormJson.h"
#include "form/NumberFormat.h"
#include "form/WindowCase.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <csignal>
#include <functional>

namespace {

// A started main window (decimal point) and a scratch folder.
class ProjectFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Start(app, '.');
    Start(other, '.');
  }
  void TearDown() override { ResetDecimalSeparator(); }

  static void Start(Brenak& window, QChar separator) {
    SetDecimalSeparator(separator);
    CreateMainWindow(window, QStringLiteral("/opt/brenak"));
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  QByteArray Read(const QString& name) const {
    QFile f(Path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void Write(const QString& name, const QByteArray& bytes) const {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  // Saves `app` and opens the file in `other`.
  void Reopen() {
    ASSERT_TRUE(SaveProjectFile(app, Path("p.txt")));
    ASSERT_TRUE(OpenProjectFile(other, Path("p.txt")));
    ASSERT_FALSE(other.projectLoading);
  }
  // The first control that differs between two windows, empty when none. The
  // state of a field hidden in both is left out: an unused layer row read from
  // a file has no conductivity, so it counts as given by its resistance.
  static std::string FirstDifference(const Brenak& a, const Brenak& b) {
    const QJsonObject ca = FormStateJson(a, {})["controls"].toObject();
    const QJsonObject cb = FormStateJson(b, {})["controls"].toObject();
    for (auto it = ca.begin(); it != ca.end(); ++it) {
      QJsonObject x = it.value().toObject(), y = cb[it.key()].toObject();
      if (!x["visible"].toBool() && !y["visible"].toBool()) x.remove("state"), y.remove("state");
      if (x != y)
        return it.key().toStdString() + " " + QJsonDocument(x).toJson(QJsonDocument::Compact).toStdString() + " vs " +
               QJsonDocument(y).toJson(QJsonDocument::Compact).toStdString();
    }
    if (a.kind != b.kind) return "kind";
    return FormStateJson(a, {})["chart"] == FormStateJson(b, {})["chart"] ? "" : "chart";
  }

  QTemporaryDir dir;
  RecordingMessageSink sink, otherSink;
  Brenak app{sink}, other{otherSink};
};

// Save a calculated project of each kind and open it in a fresh window: the
// same inputs, states, results and messages.
using Build = std::function<void(Form&)>;
class RoundTrip : public ProjectFilesTest, public ::testing::WithParamInterface<std::pair<const char*, Build>> {};

TEST_P(RoundTrip, ReopensAsTheSameWindow) {
  GetParam().second(app.form);
  CommandCalculate(app);
  Reopen();
  EXPECT_EQ(RecordsOfCase(CaseFromWindow(other)), RecordsOfCase(CaseFromWindow(app)));
  EXPECT_EQ(FirstDifference(other, app), "");
  EXPECT_EQ(otherSink.shown.size(), sink.shown.size());
}

void Set(Form& f, const char* name, const char* text) { f.UserType(name, QString::fromUtf8(text)); }

INSTANTIATE_TEST_SUITE_P(
    EveryKind, RoundTrip,
    ::testing::Values(std::pair{"StartProject", Build([](Form&) {})},
                      std::pair{"PlateCondensationStudy", Build([](Form& f) {
                                  f.UserSelect("RadioGroupCalcular", 0), f.UserSelect("ComboBox1", 1);
                                  f.UserSelect("RadioGroupCondensacion", 0), f.UserSelect("RGTipoPared", 1);
                                  Set(f, "ENombre2", "Ladrillo ñandú"), Set(f, "Edit1e", "40"), Set(f, "Edit2e", "115");
                                  Set(f, "Edit2k", "0.76"), Set(f, "Editrv1", "2"), Set(f, "Editrv2", "40");
                                })},
                      std::pair{"PipeInAirCalculatedCoefficients", Build([](Form& f) {
                                  f.UserClick("SpeedButton4"), f.UserSelect("RGTipoTuberias", 1),
                                      f.UserSelect("ComboBox1", 1);
                                  f.UserCheck("RBAislante2"), Set(f, "Edit1e", "3.2"), Set(f, "Edit1k", "40");
                                  Set(f, "Edit2k", "0.04"), f.UserSelect("RGhi", 2), f.UserSelect("RGhe", 2);
                                  f.UserSelect("RGAmbientehe", 1), Set(f, "EditTi", "80");
                                })},
                      std::pair{"BuriedPipeAirBoxCalculatedSoil", Build([](Form& f) {
                                  f.UserClick("SpeedButton4"), f.UserSelect("RGTipoTuberias", 3),
                                      f.UserSelect("ComboBoxCaja", 1);
                                  f.UserSelect("RadioGroupTerreno", 1), f.UserSelect("RadioGroupCondicionTE", 1);
                                  Set(f, "EditTi", "70");
                                })},
                      std::pair{"SphereSurfaceTemperature", Build([](Form& f) {
                                  f.UserClick("SpeedButton5"), Set(f, "EditTi", "90");
                                  f.UserSelect("RadioGroupCondicionE", 4), Set(f, "EditCondicionTe", "70");
                                })},
                      std::pair{"DuctWithFinalAirTemperature", Build([](Form& f) {
                                  f.UserClick("SpeedButton23"), Set(f, "Edit1e", "25"), f.UserSelect("RGhi", 2);
                                  f.UserSelect("RadioGroupTempAire", 0), Set(f, "EditLongitud", "20");
                                })},
                      std::pair{"HorizontalTank", Build([](Form& f) {
                                  f.UserClick("SpeedButton23"), f.UserSelect("RGTipoOtros", 2), Set(f, "Edit1e", "50");
                                  Set(f, "Editr0", "1000"), f.UserSelect("RGhe", 2);
                                })},
                      std::pair{"PlateEconomic", Build([](Form& f) {
                                  f.UserSelect("RadioGroupCondicionP", 3), Set(f, "EditTi", "60"),
                                      f.UserSelect("RGhi", 1);
                                })}),
    [](const auto& info) { return std::string(info.param.first); });

TEST_F(ProjectFilesTest, FileWrittenWithDecimalCommaCalculatesTheSameUnderDecimalPoint) {
  RecordingMessageSink commaSink;
  Brenak comma(commaSink);
  Start(comma, ',');
  CommandCalculate(comma);
  ASSERT_EQ(comma.form.Text("Edit1e"), "33,06");
  ASSERT_TRUE(SaveProjectFile(comma, Path("coma.txt")));
  EXPECT_TRUE(Read("coma.txt").contains("\"0,04\"\r\n"));

  SetDecimalSeparator('.');
  ASSERT_TRUE(OpenProjectFile(app, Path("coma.txt")));
  EXPECT_EQ(app.form.Text("Edit1e"), "33.06");
  EXPECT_EQ(app.form.Text("LabelRT"), comma.form.Text("LabelRT").replace(',', '.'));
  EXPECT_EQ(app.form.Text("LT1"), comma.form.Text("LT1").replace(',', '.'));
}

TEST_F(ProjectFilesTest, OpeningDerivesLayerStatesFromTheStoredTexts) {
  Form& f = app.form;
  f.UserClick("SpeedButton4"), f.UserSelect("ComboBox1", 2), f.UserCheck("RBAislante3");
  Set(f, "Edit1e", "3"), f.UserClick("Edit1RT"), Set(f, "Edit1RT", "0.001"), Set(f, "Edit1k", "");
  Set(f, "Edit2e", "10"), Set(f, "Edit2k", "0.5"), Set(f, "Edit3k", "0.04");
  other.form.UserClick("Edit2RT");  // a state of the opening window must not survive
  Reopen();
  const Form& g = other.form;
  EXPECT_TRUE(g.IsComputed("Edit1k") && g.IsEntered("Edit1RT") && g.IsEntered("Edit1e"));
  EXPECT_TRUE(g.IsEntered("Edit2k") && g.IsComputed("Edit2RT"));
  EXPECT_TRUE(g.IsComputed("Edit3e") && g.Checked("RBAislante3"));
  EXPECT_EQ(g.Text("Edit1RT"), "0.001");
  EXPECT_FALSE(g.Text("Edit3e").isEmpty());  // calculated at once
}

TEST_F(ProjectFilesTest, BoxGivenByItsResistanceStaysSo) {
  Form& f = app.form;
  f.UserClick("SpeedButton4"), f.UserSelect("RGTipoTuberias", 3), f.UserSelect("RadioGroupCalcular", 0);
  Set(f, "Edit1e", "37.5"), Set(f, "EditTi", "60");
  f.UserClick("EditRTCaja"), Set(f, "EditRTCaja", "0.0998"), Set(f, "EditkCaja", "");
  Reopen();
  EXPECT_TRUE(other.form.IsEntered("EditRTCaja") && other.form.IsComputed("EditkCaja"));
  EXPECT_EQ(other.form.Text("EditRTCaja"), "0.0998");
  EXPECT_TRUE(otherSink.shown.empty()) << otherSink.shown.front().text.toStdString();
  // 50 ºC over hi 9, 37.5 mm at 0.04, the box and the soil at 1 m: 2.6284 mºC/W.
  EXPECT_EQ(other.form.Text("LabelQ"), "Densidad lineal flujo de calor 19.02 W/m");
}

TEST_F(ProjectFilesTest, CoefficientModeIsSelectedAfterTheListsOfTheOpenedKind) {
  app.form.UserSelect("RGhi", 2);
  other.form.UserClick("SpeedButton5");  // a sphere's list has no third row
  ASSERT_TRUE(SaveProjectFile(app, Path("p.txt")));
  ASSERT_TRUE(OpenProjectFile(other, Path("p.txt")));
  EXPECT_EQ(other.form.Index("RGhi"), 2);
  EXPECT_EQ(other.form.At("RGhi").items.value(2), "Calcular (aire)");
  EXPECT_TRUE(other.form.IsComputed("EditCoefInt"));
}

// Files that are no project: one "Atención" box, the window as it was.
class Refusal : public ProjectFilesTest,
                public ::testing::WithParamInterface<std::pair<const char*, std::function<QByteArray(QByteArray)>>> {};

QByteArray Record(QByteArray good, int record, const QByteArray& value) {
  QList<QByteArray> lines = good.split('\n');
  lines[record - 1] = '"' + value + "\"\r";
  return lines.join('\n');
}

TEST_P(Refusal, LeavesTheWindowAsItWasWithOneMessage) {
  ASSERT_TRUE(SaveProjectFile(app, Path("good.txt")));
  app.form.UserClick("SpeedButton4"), Set(app.form, "EditTi", "70");
  CommandCalculate(app);
  other.form.UserClick("SpeedButton4"), Set(other.form, "EditTi", "70");
  CommandCalculate(other);

  const QString name = GetParam().first;
  QString path = Path("bad.txt");
  if (name == "Folder")
    path = dir.path();
  else if (name == "Pipe") {
    ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
  }  // no writer: reading would wait
  else if (name != "Missing")
    Write("bad.txt", GetParam().second(Read("good.txt")));
  sink.shown.clear();

  EXPECT_FALSE(OpenProjectFile(app, path));
  EXPECT_EQ(FirstDifference(app, other), "");
  EXPECT_FALSE(app.projectLoading);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, kAtencion);
  EXPECT_EQ(sink.shown[0].id, MessageId::ProjectNotOpened) << sink.shown[0].text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, Refusal,
    ::testing::Values(std::pair{"Empty", [](QByteArray) { return QByteArray(); }},
                      std::pair{"Truncated", [](QByteArray g) { return g.left(g.size() / 2); }},
                      std::pair{"Binary", [](QByteArray g) { return g.replace(100, 4, QByteArray(4, '\0')); }},
                      std::pair{"Huge", [](QByteArray g) { return g + QByteArray(kProjectFileMaxBytes, ' '); }},
                      std::pair{"DecimalLayerCount", [](QByteArray g) { return Record(g, 6, "1.5"); }},
                      std::pair{"LettersForAList", [](QByteArray g) { return Record(g, 97, "enterrada"); }},
                      std::pair{"BoxFillingOutOfRange", [](QByteArray g) { return Record(g, 43, "2"); }},
                      std::pair{"NegativeCoefficientMode", [](QByteArray g) { return Record(g, 55, "-1"); }},
                      std::pair{"LastRecordOutOfRange", [](QByteArray g) { return Record(g, 98, "3"); }},
                      std::pair{"KindSeven", [](QByteArray g) { return Record(g, 66, "7"); }},
                      std::pair{"Missing", [](QByteArray) { return QByteArray(); }},
                      std::pair{"Folder", [](QByteArray) { return QByteArray(); }},
                      std::pair{"Pipe", [](QByteArray) { return QByteArray(); }}),
    [](const auto& info) { return std::string(info.param.first); });

TEST_F(ProjectFilesTest, FailedWriteKeepsThePreviousFileAndSaysSo) {
  Write("p.txt", "previous project");
  // Writes past 64 bytes fail, as on a full disk; with the signal ignored the
  // write reports the error.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 64;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved = SaveProjectFile(app, Path("p.txt"));
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved);
  EXPECT_EQ(Read("p.txt"), "previous project");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.txt"});  // no temporary left
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, kAtencion);
  EXPECT_EQ(sink.shown[0].id, MessageId::ProjectNotSaved) << sink.shown[0].text.toStdString();
}

// Places a save cannot write to: a folder removed after it was chosen, a path
// through a file, and a file system that takes no new files even from root.
// Each gives one message and leaves the window as it was.
TEST_F(ProjectFilesTest, SavesThatCannotBeWrittenSaySo) {
  Write("blocker", "not a folder");
  QDir(dir.path()).mkdir("gone");
  const QString gone = Path("gone/p.txt");
  QDir(Path("gone")).removeRecursively();
  for (const QString& target : {gone, Path("blocker/p.txt"), QStringLiteral("/proc/brenak-project.txt")}) {
    sink.shown.clear();
    const QString before = app.form.Text("EditTi");
    EXPECT_FALSE(SaveProjectFile(app, target)) << target.toStdString();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].id, MessageId::ProjectNotSaved) << sink.shown[0].text.toStdString();
    EXPECT_EQ(app.form.Text("EditTi"), before);
    EXPECT_FALSE(QFileInfo::exists(target));
  }
}

class ScriptedDialogs : public FileDialogs {
 public:
  QString AskOpenFile(const QString& folder, const QString& filter, const QString& ext) override {
    return Ask(folder, filter, ext);
  }
  QString AskSaveFile(const QString& folder, const QString& filter, const QString& ext) override {
    return Ask(folder, filter, ext);
  }
  QString answer;
  QStringList asked;

 private:
  QString Ask(const QString& folder, const QString& filter, const QString& ext) {
    asked << folder << filter << ext;
    return answer;
  }
};

TEST_F(ProjectFilesTest, CommandsStartInTheProjectsFolderAndCancelDoesNothing) {
  ScriptedDialogs dialogs;
  app.dialogs = other.dialogs = &dialogs;
  app.documentsFolder = other.documentsFolder = dir.path();
  const QString folder = dir.path() + "/Brenak/proyectos";
  Set(app.form, "EditTi", "30");
  SaveProject(app);
  OpenProject(app);
  EXPECT_EQ(dialogs.asked, (QStringList{folder, kProjectFilter, "txt", folder, kProjectFilter, "txt"}));
  EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());  // created, and nothing written
  EXPECT_EQ(app.form.Text("EditTi"), "30");

  dialogs.answer = folder + "/caso";  // the default extension is added
  SaveProject(app);
  dialogs.answer = folder + "/caso.txt";
  OpenProject(other);
  EXPECT_EQ(other.form.Text("EditTi"), "30");
}

// "Guardar" writes a case that has a file back to it without a question;
// "Guardar como…" always asks, and the case then belongs to the new file.
TEST_F(ProjectFilesTest, GuardarWritesToTheFileOfTheCaseGuardarComoAsks) {
  ScriptedDialogs dialogs;
  app.dialogs = &dialogs;
  dialogs.answer = Path("primero.txt");
  ASSERT_TRUE(SaveProject(app));
  ASSERT_EQ(dialogs.asked.size(), 3);

  Set(app.form, "EditTi", "31");
  ASSERT_TRUE(SaveProject(app));
  EXPECT_EQ(dialogs.asked.size(), 3) << "no dialog for a case with a file";
  EXPECT_FALSE(app.modified);
  ASSERT_TRUE(OpenProjectFile(other, Path("primero.txt")));
  EXPECT_EQ(other.form.Text("EditTi"), "31");

  dialogs.answer = Path("segundo");
  ASSERT_TRUE(SaveProjectAs(app));
  EXPECT_EQ(dialogs.asked.size(), 6);
  EXPECT_EQ(app.projectPath, Path("segundo.txt"));
  dialogs.answer.clear();
  EXPECT_FALSE(SaveProjectAs(app)) << "cancelled";
  EXPECT_EQ(app.projectPath, Path("segundo.txt"));
}

// Projects and reports go to a "Brenak" folder among the user's documents,
// made the first time it is asked for, wherever the program stands.
TEST_F(ProjectFilesTest, ProjectsAndReportsGoToTheUsersDocuments) {
  app.programFolder = Path("program");
  const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", Path("home").toUtf8());
  qputenv("XDG_CONFIG_HOME", Path("home/.config").toUtf8());  // no user-dirs file there
  const QString projects = ProjectsFolder(app);
  const QString reports = ReportsFolder(app);
  qputenv("HOME", oldHome);
  if (oldConfig.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", oldConfig);
  EXPECT_EQ(projects, Path("home/Documents/Brenak/proyectos"));
  EXPECT_EQ(reports, Path("home/Documents/Brenak/informes"));
  EXPECT_TRUE(QFileInfo(projects).isDir() && QFileInfo(reports).isDir());
  EXPECT_FALSE(QFileInfo::exists(Path("program")));

  // A documents folder that cannot hold the program's: no reports folder, and
  // the dialogs start where the projects would be.
  Write("documentos", "a file, which holds no folder whoever runs the tests");
  app.documentsFolder = Path("documentos");
  EXPECT_EQ(ReportsFolder(app), QString());
  EXPECT_EQ(ProjectsFolder(app), Path("documentos/Brenak/proyectos"));
}

}  // namespace
