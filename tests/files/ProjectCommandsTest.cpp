#include "files/ProjectCommands.h"

#include "files/ProjectFile.h"
#include "shell/Brenak.h"
#include "shell/Commands.h"
#include "shell/FileDialogs.h"
#include "shell/FormJson.h"
#include "shell/NumberFormat.h"
#include "shell/StartUp.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// A started main window and a scratch folder for its files.
class ProjectFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    Start(app, '.');
  }
  void TearDown() override { ResetDecimalSeparator(); }

  static void Start(Brenak& window, QChar separator) {
    SetDecimalSeparator(separator);
    CreateMainWindow(window, QStringLiteral("/opt/brenak"));
  }
  QString Path(const QString& name) const { return dir.filePath(name); }
  void WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  static QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // Everything the window shows, the element kind included.
  static QJsonObject Snapshot(const Brenak& window) {
    QJsonObject state = FormStateJson(window, {});
    state.insert("kind", static_cast<int>(window.kind));
    return state;
  }
  // The first control whose JSON differs, for a readable failure. The state
  // of a field hidden in both windows is not compared: an unused layer row
  // read from a file has no conductivity, so it counts as given by resistance.
  static std::string FirstDifference(const QJsonObject& a, const QJsonObject& b) {
    const QJsonObject ca = a["controls"].toObject(), cb = b["controls"].toObject();
    for (auto it = ca.begin(); it != ca.end(); ++it) {
      QJsonObject x = it.value().toObject(), y = cb[it.key()].toObject();
      if (!x["visible"].toBool() && !y["visible"].toBool()) {
        x.remove("state");
        y.remove("state");
      }
      if (x != y)
        return it.key().toStdString() + ": " + QJsonDocument(it.value().toObject()).toJson(QJsonDocument::Compact).toStdString() +
               " vs " + QJsonDocument(cb[it.key()].toObject()).toJson(QJsonDocument::Compact).toStdString();
    }
    if (a["chart"] != b["chart"]) return "chart";
    if (a["kind"] != b["kind"]) return "kind";
    return "";
  }

  QTemporaryDir dir;
  RecordingMessageSink sink;
  Brenak app{sink};
};

// ---------------------------------------------------------------------------
// Save, open again in a fresh window: the same inputs, states and results.

struct KindCase {
  const char* name;
  std::function<void(Form&)> build;
};

class RoundTrip : public ProjectFilesTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(RoundTrip, ReopensWithTheSameWindow) {
  GetParam().build(app.form);
  CommandCalculate(app);
  const QJsonObject before = Snapshot(app);
  ASSERT_TRUE(SaveProjectFile(app, Path("case.txt")));

  RecordingMessageSink otherSink;
  Brenak other(otherSink);
  Start(other, '.');
  ASSERT_TRUE(OpenProjectFile(other, Path("case.txt")));
  EXPECT_FALSE(other.projectLoading);
  EXPECT_EQ(CollectProjectRecords(other), CollectProjectRecords(app));
  EXPECT_EQ(FirstDifference(Snapshot(other), before), "");
  EXPECT_EQ(otherSink.shown.size(), sink.shown.size());
}

void Type(Form& f, const char* name, const char* text) { f.UserType(name, QString::fromUtf8(text)); }

INSTANTIATE_TEST_SUITE_P(
    EveryKind, RoundTrip,
    ::testing::Values(
        KindCase{"StartProject", [](Form&) {}},
        KindCase{"PlateCondensationStudy",
                 [](Form& f) {
                   f.UserSelect("RadioGroupCalcular", 0);
                   f.UserSelect("ComboBox1", 1);
                   f.UserSelect("RadioGroupCondensacion", 0);
                   f.UserSelect("RGTipoPared", 1);
                   Type(f, "ENombre2", "Ladrillo ñandú");
                   Type(f, "Edit1e", "40");
                   Type(f, "Edit2e", "115");
                   Type(f, "Edit2k", "0.76");
                   Type(f, "Editrv1", "2");
                   Type(f, "Editrv2", "40");
                 }},
        KindCase{"PipeInAirCalculatedCoefficients",
                 [](Form& f) {
                   f.UserClick("SpeedButton4");
                   f.UserSelect("RGTipoTuberias", 1);
                   f.UserSelect("ComboBox1", 1);
                   f.UserCheck("RBAislante2");
                   Type(f, "Edit1e", "3.2");
                   Type(f, "Edit1k", "40");
                   Type(f, "Edit2k", "0.04");
                   f.UserSelect("RGhi", 2);
                   f.UserSelect("RGhe", 2);
                   f.UserSelect("RGAmbientehe", 1);
                   Type(f, "EditTi", "80");
                 }},
        KindCase{"PipeLayerGivenByResistance",
                 [](Form& f) {
                   f.UserClick("SpeedButton4");
                   f.UserSelect("ComboBox1", 1);
                   f.UserCheck("RBAislante2");
                   Type(f, "Edit1e", "3");
                   f.UserClick("Edit1RT");
                   Type(f, "Edit1RT", "0.002");
                   Type(f, "Edit2k", "0.035");
                 }},
        KindCase{"BuriedPipeBoxGivenByResistance",
                 [](Form& f) {
                   f.UserClick("SpeedButton4");
                   f.UserSelect("RGTipoTuberias", 3);
                   Type(f, "EditTi", "60");
                   f.UserClick("EditRTCaja");
                   Type(f, "EditRTCaja", "0.1");
                   Type(f, "EditkCaja", "");
                 }},
        KindCase{"BuriedPipeAirBoxCalculatedSoil",
                 [](Form& f) {
                   f.UserClick("SpeedButton4");
                   f.UserSelect("RGTipoTuberias", 3);
                   f.UserSelect("ComboBoxCaja", 1);
                   f.UserSelect("RadioGroupTerreno", 1);
                   f.UserSelect("RadioGroupCondicionTE", 1);
                   Type(f, "EditTi", "70");
                 }},
        KindCase{"PipeFinalWaterTemperature",
                 [](Form& f) {
                   f.UserClick("SpeedButton4");
                   Type(f, "EditTi", "80");
                   Type(f, "EditCoefInt", "500");
                   f.UserSelect("RadioGroupCondicionT", 6);
                   Type(f, "EditTf", "79.3");
                   Type(f, "EditLong", "1000");
                 }},
        KindCase{"SphereSurfaceTemperature",
                 [](Form& f) {
                   f.UserClick("SpeedButton5");
                   Type(f, "EditTi", "90");
                   f.UserSelect("RadioGroupCondicionE", 4);
                   Type(f, "EditCondicionTe", "70");
                 }},
        KindCase{"DuctWithFinalAirTemperature",
                 [](Form& f) {
                   f.UserClick("SpeedButton23");
                   Type(f, "Edit1e", "25");
                   f.UserSelect("RGhi", 2);
                   f.UserSelect("RadioGroupTempAire", 0);
                   Type(f, "EditLongitud", "20");
                 }},
        KindCase{"HorizontalTank",
                 [](Form& f) {
                   f.UserClick("SpeedButton23");
                   f.UserSelect("RGTipoOtros", 2);
                   Type(f, "Edit1e", "50");
                   Type(f, "Editr0", "1000");
                   f.UserSelect("RGhe", 2);
                 }},
        KindCase{"PlateEconomic",
                 [](Form& f) {
                   f.UserSelect("RadioGroupCondicionP", 3);
                   Type(f, "EditTi", "60");
                   f.UserSelect("RGhi", 1);
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProjectFilesTest, FileWrittenWithDecimalCommaCalculatesTheSameUnderDecimalPoint) {
  RecordingMessageSink commaSink;
  Brenak comma(commaSink);
  Start(comma, ',');
  CommandCalculate(comma);
  ASSERT_EQ(comma.form.Text("Edit1e"), "33,06");
  ASSERT_TRUE(SaveProjectFile(comma, Path("coma.txt")));
  EXPECT_TRUE(ReadFile(Path("coma.txt")).contains("\"0,04\"\r\n"));

  SetDecimalSeparator('.');
  ASSERT_TRUE(OpenProjectFile(app, Path("coma.txt")));
  EXPECT_EQ(app.form.Text("Edit1k"), "0,04");  // texts come back as written
  EXPECT_EQ(app.form.Text("Edit1e"), "33.06");
  EXPECT_EQ(app.form.Text("LabelRT"), comma.form.Text("LabelRT").replace(',', '.'));
  EXPECT_EQ(app.form.Text("LT1"), comma.form.Text("LT1").replace(',', '.'));
}

// ---------------------------------------------------------------------------
// What opening does besides applying the values.

TEST_F(ProjectFilesTest, OpeningDerivesLayerStatesFromTheStoredTexts) {
  Form& f = app.form;
  f.UserClick("SpeedButton4");
  f.UserSelect("ComboBox1", 2);
  f.UserCheck("RBAislante3");
  f.UserType("Edit1e", "3");
  f.UserClick("Edit1RT");
  f.UserType("Edit1RT", "0.001");
  f.UserType("Edit1k", "");
  f.UserType("Edit2e", "10");
  f.UserType("Edit2k", "0.5");
  f.UserType("Edit3k", "0.04");
  ASSERT_TRUE(SaveProjectFile(app, Path("p.txt")));

  RecordingMessageSink otherSink;
  Brenak other(otherSink);
  Start(other, '.');
  // A state left over in the window that opens the file must not survive.
  other.form.UserClick("Edit2RT");
  ASSERT_TRUE(OpenProjectFile(other, Path("p.txt")));
  const Form& g = other.form;
  EXPECT_TRUE(g.IsComputed("Edit1k"));
  EXPECT_TRUE(g.IsEntered("Edit1RT"));
  EXPECT_EQ(g.Text("Edit1RT"), "0.001");
  EXPECT_TRUE(g.IsEntered("Edit2k"));
  EXPECT_TRUE(g.IsComputed("Edit2RT"));
  EXPECT_TRUE(g.IsComputed("Edit3e"));
  EXPECT_TRUE(g.IsEntered("Edit1e"));
  EXPECT_TRUE(g.Checked("RBAislante3"));
  EXPECT_FALSE(g.Text("Edit3e").isEmpty());  // calculated at once
}

TEST_F(ProjectFilesTest, BoxGivenByItsResistanceStaysSo) {
  Form& f = app.form;
  f.UserClick("SpeedButton4");
  f.UserSelect("RGTipoTuberias", 3);
  f.UserSelect("RadioGroupCalcular", 0);
  f.UserType("Edit1e", "37.5");
  f.UserType("EditTi", "60");
  f.UserClick("EditRTCaja");
  f.UserType("EditRTCaja", "0.0998");
  f.UserType("EditkCaja", "");
  ASSERT_TRUE(SaveProjectFile(app, Path("caja.txt")));

  RecordingMessageSink otherSink;
  Brenak other(otherSink);
  Start(other, '.');
  ASSERT_TRUE(OpenProjectFile(other, Path("caja.txt")));
  EXPECT_TRUE(other.form.IsEntered("EditRTCaja"));
  EXPECT_TRUE(other.form.IsComputed("EditkCaja"));
  EXPECT_EQ(other.form.Text("EditRTCaja"), "0.0998");
  EXPECT_TRUE(otherSink.shown.empty()) << otherSink.shown.front().text.toStdString();
  // 50 ºC over hi 9, 37.5 mm at 0.04, the box and the soil at 1 m: 2.6284 mºC/W.
  EXPECT_EQ(other.form.Text("LabelQ"), "Densidad lineal flujo de calor 19.02 W/m");
}

TEST_F(ProjectFilesTest, StoredFinalWaterTemperatureIsKept) {
  Form& f = app.form;
  f.UserClick("SpeedButton4");
  f.UserSelect("RadioGroupCondicionT", 6);
  f.UserType("EditTi", "80");
  f.UserType("EditTf", "79.3");
  ASSERT_TRUE(SaveProjectFile(app, Path("tf.txt")));

  RecordingMessageSink otherSink;
  Brenak other(otherSink);
  Start(other, '.');
  ASSERT_TRUE(OpenProjectFile(other, Path("tf.txt")));
  EXPECT_EQ(other.form.Text("EditTf"), "79.3");
}

TEST_F(ProjectFilesTest, CoefficientModeIsSelectedAfterTheListsOfTheOpenedKind) {
  app.form.UserSelect("RGhi", 2);
  ASSERT_TRUE(SaveProjectFile(app, Path("plate.txt")));

  RecordingMessageSink otherSink;
  Brenak other(otherSink);
  Start(other, '.');
  other.form.UserClick("SpeedButton5");  // a sphere offers no third row
  ASSERT_EQ(other.form.At("RGhi").items.size(), 2);
  ASSERT_TRUE(OpenProjectFile(other, Path("plate.txt")));
  EXPECT_EQ(other.kind, GeometryKind::Plate);
  EXPECT_EQ(other.form.Index("RGhi"), 2);
  EXPECT_EQ(other.form.At("RGhi").items.value(2), "Calcular (aire)");
  EXPECT_TRUE(other.form.IsComputed("EditCoefInt"));
}

TEST_F(ProjectFilesTest, LongTextsComeBackAsTheirFirstFortyCharacters) {
  app.form.UserType("EditReferencia", "Nave de almacenamiento frigorífico nº 3, muro norte");
  ASSERT_TRUE(SaveProjectFile(app, Path("ref.txt")));
  RecordingMessageSink otherSink;
  Brenak other(otherSink);
  Start(other, '.');
  ASSERT_TRUE(OpenProjectFile(other, Path("ref.txt")));
  EXPECT_EQ(other.form.Text("EditReferencia"), "Nave de almacenamiento frigorífico nº 3,");
}

TEST_F(ProjectFilesTest, IncompleteProjectReportsAndDoesNotCalculate) {
  app.form.UserType("EditTi", "");
  ASSERT_TRUE(SaveProjectFile(app, Path("falta.txt")));
  RecordingMessageSink otherSink;
  Brenak other(otherSink);
  Start(other, '.');
  ASSERT_TRUE(OpenProjectFile(other, Path("falta.txt")));
  ASSERT_EQ(otherSink.shown.size(), 1u);
  EXPECT_EQ(otherSink.shown[0].text, "Falta especificar la temperatura interior");
  EXPECT_EQ(other.form.Text("LabelEsp"), "");
  EXPECT_FALSE(other.form.Enabled("SpeedButton7"));
  EXPECT_FALSE(other.form.Enabled("SBImpresor"));
}

// ---------------------------------------------------------------------------
// Files that are no project leave the window exactly as it was.

struct RefusedFile {
  const char* name;
  std::function<QByteArray(const QByteArray& good)> bytes;  // from a good file
};

class Refusal : public ProjectFilesTest, public ::testing::WithParamInterface<RefusedFile> {};

QByteArray ReplaceRecord(QByteArray good, int record, const QByteArray& value) {
  QList<QByteArray> lines = good.split('\n');
  lines[record - 1] = '"' + value + "\"\r";
  return lines.join('\n');
}

TEST_P(Refusal, LeavesTheWindowAsItWasWithOneMessage) {
  ASSERT_TRUE(SaveProjectFile(app, Path("good.txt")));
  const QByteArray good = ReadFile(Path("good.txt"));
  // Something besides the start values, and results on the window.
  app.form.UserClick("SpeedButton4");
  app.form.UserType("EditTi", "70");
  CommandCalculate(app);
  sink.shown.clear();
  const QJsonObject before = Snapshot(app);

  QString path = Path("bad.txt");
  const QString name = GetParam().name;
  if (name == "Folder") path = dir.path();
  else if (name == "Pipe") ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);  // no writer: reading would wait
  else if (name != "Missing") WriteFile("bad.txt", GetParam().bytes(good));

  EXPECT_FALSE(OpenProjectFile(app, path));
  EXPECT_EQ(FirstDifference(Snapshot(app), before), "");
  EXPECT_FALSE(app.projectLoading);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, kAtencion);
  EXPECT_TRUE(sink.shown[0].text.startsWith("No es posible abrir el proyecto")) << sink.shown[0].text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, Refusal,
    ::testing::Values(
        RefusedFile{"Empty", [](const QByteArray&) { return QByteArray(); }},
        RefusedFile{"Truncated", [](const QByteArray& g) { return g.left(g.size() / 2); }},
        RefusedFile{"Binary", [](const QByteArray& g) { return QByteArray(g).replace(100, 4, QByteArray(4, '\0')); }},
        RefusedFile{"Huge", [](const QByteArray& g) { return g + QByteArray(kProjectFileMaxBytes, ' '); }},
        RefusedFile{"DecimalLayerCount", [](const QByteArray& g) { return ReplaceRecord(g, 6, "1.5"); }},
        RefusedFile{"LettersForAList", [](const QByteArray& g) { return ReplaceRecord(g, 97, "enterrada"); }},
        RefusedFile{"BoxFillingOutOfRange", [](const QByteArray& g) { return ReplaceRecord(g, 43, "2"); }},
        RefusedFile{"LastRecordOutOfRange", [](const QByteArray& g) { return ReplaceRecord(g, 98, "3"); }},
        RefusedFile{"KindSeven", [](const QByteArray& g) { return ReplaceRecord(g, 66, "7"); }},
        RefusedFile{"Missing", [](const QByteArray&) { return QByteArray(); }},
        RefusedFile{"Folder", [](const QByteArray&) { return QByteArray(); }},
        RefusedFile{"Pipe", [](const QByteArray&) { return QByteArray(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Saving.

TEST_F(ProjectFilesTest, SavingReplacesAnExistingFileWithoutAQuestion) {
  WriteFile("p.txt", "old contents");
  ASSERT_TRUE(SaveProjectFile(app, Path("p.txt")));
  const QByteArray bytes = ReadFile(Path("p.txt"));
  EXPECT_TRUE(bytes.startsWith("\"Sin especificar\"\r\n\"25\"\r\n"));
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.txt"});  // no temporary left behind
}

TEST_F(ProjectFilesTest, FailedWriteKeepsThePreviousFileAndSaysSo) {
  WriteFile("p.txt", "previous project");
  // Writes beyond a few bytes fail, as on a full disk; the signal is ignored
  // so that the write reports the error instead.
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
  EXPECT_EQ(ReadFile(Path("p.txt")), "previous project");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, kAtencion);
  EXPECT_TRUE(sink.shown[0].text.startsWith("No es posible guardar el proyecto"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"p.txt"});
}

TEST_F(ProjectFilesTest, SavingIntoAMissingFolderSaysSo) {
  EXPECT_FALSE(SaveProjectFile(app, Path("no/such/folder/p.txt")));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.shown[0].text.startsWith("No es posible guardar el proyecto"));
}

// ---------------------------------------------------------------------------
// The commands with their dialogs.

class ScriptedDialogs : public FileDialogs {
 public:
  QString AskOpenFile(const QString& folder, const QString& filter, const QString& extension) override {
    return Answer(folder, filter, extension);
  }
  QString AskSaveFile(const QString& folder, const QString& filter, const QString& extension) override {
    return Answer(folder, filter, extension);
  }
  QString answer;
  QStringList asked;

 private:
  QString Answer(const QString& folder, const QString& filter, const QString& extension) {
    asked << folder << filter << extension;
    return answer;
  }
};

TEST_F(ProjectFilesTest, CommandsStartInTheProjectsFolderAndCancelDoesNothing) {
  ScriptedDialogs dialogs;
  app.dialogs = &dialogs;
  app.programFolder = dir.path();
  app.form.UserType("EditTi", "30");
  const QJsonObject before = Snapshot(app);

  SaveProject(app);  // cancelled
  OpenProject(app);  // cancelled
  EXPECT_EQ(dialogs.asked, (QStringList{dir.path() + "/proyectos", kProjectFilter, "txt", dir.path() + "/proyectos",
                                        kProjectFilter, "txt"}));
  EXPECT_TRUE(QFileInfo(dir.path() + "/proyectos").isDir());
  EXPECT_EQ(FirstDifference(Snapshot(app), before), "");
  EXPECT_EQ(QDir(dir.path() + "/proyectos").entryList(QDir::Files), QStringList());

  dialogs.answer = dir.path() + "/proyectos/caso";  // the default extension is added
  SaveProject(app);
  EXPECT_TRUE(QFileInfo::exists(dir.path() + "/proyectos/caso.txt"));

  RecordingMessageSink otherSink;
  Brenak other(otherSink);
  Start(other, '.');
  other.dialogs = &dialogs;
  dialogs.answer = dir.path() + "/proyectos/caso.txt";
  OpenProject(other);
  EXPECT_EQ(other.form.Text("EditTi"), "30");
}

TEST_F(ProjectFilesTest, ProjectsFolderFallsBackToTheDocumentsWhenTheProgramFolderCannotHoldIt) {
  // A program "folder" that is a file can hold no folder, whoever runs the tests.
  WriteFile("program", "not a folder");
  app.programFolder = Path("program");
  const QByteArray oldHome = qgetenv("HOME");
  const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", Path("home").toUtf8());
  qputenv("XDG_CONFIG_HOME", Path("home/.config").toUtf8());
  const QString folder = ProjectsFolder(app);
  qputenv("HOME", oldHome);
  if (oldXdg.isNull()) qunsetenv("XDG_CONFIG_HOME");
  else qputenv("XDG_CONFIG_HOME", oldXdg);

  EXPECT_TRUE(folder.startsWith(Path("home"))) << folder.toStdString();
  EXPECT_TRUE(folder.endsWith("/proyectos"));
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
