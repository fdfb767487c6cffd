#include "files/ProjectFile.h"

#include "shell/Brenak.h"
#include "shell/MessageSink.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// A full set of 98 values with texts that exercise the encodings.
QStringList SampleValues() {
  const auto& table = ProjectRecordTable();
  QStringList values;
  for (int i = 0; i < kProjectRecordCount; ++i) {
    switch (table[i].type) {
      case RecordType::Text: values.append(QStringLiteral("%1,5").arg(i + 1)); break;
      case RecordType::Index: values.append(QStringLiteral("1")); break;
      case RecordType::Mark: values.append(i == 7 ? QStringLiteral("T") : QStringLiteral("F")); break;
      case RecordType::KindCode: values.append(QStringLiteral("2")); break;
    }
  }
  values[0] = QString::fromUtf8("Nave nº 3: cámara €");
  values[6] = QString::fromUtf8("Lana de vidrio");
  values[13] = QString::fromUtf8("Tubo 1/2\" \"cobre\"");  // quotes inside a value
  values[19] = QString();                               // empty text
  return values;
}

QByteArray Join(const QStringList& lines, const char* lineEnd, bool quoted, bool utf8) {
  QString text;
  for (const QString& line : lines) text += (quoted ? '"' + line + '"' : line) + QLatin1String(lineEnd);
  if (utf8) return text.toUtf8();
  bool ok = false;
  return EncodeWindows1252(text, &ok);
}

TEST(ProjectRecordTable, NamesControlsOfTheRightKindEachOnce) {
  RecordingMessageSink sink;
  Brenak app(sink);
  QSet<QString> seen;
  int kindCodes = 0;
  for (const RecordSpec& spec : ProjectRecordTable()) {
    if (spec.type == RecordType::KindCode) {
      ++kindCodes;
      continue;
    }
    const QString name = QString::fromLatin1(spec.control);
    ASSERT_TRUE(app.form.Has(name)) << name.toStdString();
    EXPECT_FALSE(seen.contains(name)) << name.toStdString();
    seen.insert(name);
    const ControlType type = app.form.At(name).type;
    switch (spec.type) {
      case RecordType::Text: EXPECT_EQ(type, ControlType::Edit) << name.toStdString(); break;
      case RecordType::Mark: EXPECT_EQ(type, ControlType::RadioButton) << name.toStdString(); break;
      case RecordType::Index:
        EXPECT_TRUE(type == ControlType::RadioGroup || type == ControlType::ComboBox) << name.toStdString();
        break;
      case RecordType::KindCode: break;
    }
  }
  EXPECT_EQ(kindCodes, 1);
}

// Positions that a shifted or swapped entry would move.
class RecordPositions : public ::testing::TestWithParam<std::pair<int, const char*>> {};

TEST_P(RecordPositions, HoldTheirControl) {
  const auto [record, control] = GetParam();
  EXPECT_STREQ(ProjectRecordTable()[record - 1].control, control);
}

INSTANTIATE_TEST_SUITE_P(
    FileOrder, RecordPositions,
    ::testing::Values(std::pair{1, "EditReferencia"}, std::pair{6, "ComboBox1"}, std::pair{7, "ENombre1"},
                      std::pair{8, "RBAislante1"}, std::pair{12, "Editrv1"}, std::pair{13, "RBAislante2"},
                      std::pair{14, "ENombre2"}, std::pair{37, "RBAislante6"}, std::pair{42, "Editrv6"},
                      std::pair{43, "ComboBoxCaja"}, std::pair{46, "EditRTCaja"}, std::pair{50, "RGhi"},
                      std::pair{55, "RGhe"}, std::pair{56, "RGAmbientehe"}, std::pair{60, "RadioGroupTerreno"},
                      std::pair{65, "EditkTerreno"}, std::pair{66, ""}, std::pair{67, "EditCondicionQ"},
                      std::pair{76, "EditLongitud"}, std::pair{79, "RadioGroupCondensacion"},
                      std::pair{81, "EditCET"}, std::pair{82, "EditOpor"}, std::pair{85, "EditCI1"},
                      std::pair{86, "EditEsp1"}, std::pair{89, "RadioGroupCondicionP"},
                      std::pair{95, "RadioGroupCalcular"}, std::pair{98, "RGTipoOtros"}));

struct Spelling {
  const char* name;
  const char* lineEnd;
  bool quoted;
  bool utf8;
};

class FileSpellings : public ::testing::TestWithParam<Spelling> {};

TEST_P(FileSpellings, ReadToTheSameValues) {
  const Spelling& s = GetParam();
  const QStringList values = SampleValues();
  const ProjectRecords read = ReadProjectRecords(Join(values, s.lineEnd, s.quoted, s.utf8));
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.values, values);
}

INSTANTIATE_TEST_SUITE_P(Variants, FileSpellings,
                         ::testing::Values(Spelling{"QuotedCrlf1252", "\r\n", true, false},
                                           Spelling{"QuotedLfUtf8", "\n", true, true},
                                           Spelling{"BareCrlfUtf8", "\r\n", false, true},
                                           Spelling{"BareLf1252", "\n", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFileReading, TakesToleratedOddities) {
  QStringList values = SampleValues();
  QByteArray bytes = "\xEF\xBB\xBF" + Join(values, "\r\n", true, true);
  bytes.chop(2);                            // no line end after the last record
  bytes += "\r\nextra line\r\n";            // records after the 98th are ignored
  bytes.replace("\"2\"\r\n", "  \"2\"  \r\n");  // blanks around a quoted value
  const ProjectRecords read = ReadProjectRecords(bytes);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.values, values);
}

TEST(ProjectFileWriting, QuotesEachValueOnACrlfLineInWindows1252) {
  const QStringList values = SampleValues();
  const QByteArray bytes = WriteProjectRecords(values);
  EXPECT_TRUE(bytes.startsWith("\"Nave n\xBA 3: c\xE1mara \x80\"\r\n\"2,5\"\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), kProjectRecordCount);
  EXPECT_EQ(bytes.count('\n'), kProjectRecordCount);
  EXPECT_EQ(ReadProjectRecords(bytes).values, values);
}

TEST(ProjectFileWriting, FallsBackToUtf8ForCharactersOutsideWindows1252) {
  QStringList values = SampleValues();
  values[0] = QString::fromUtf8("Ωmega őszi");
  const QByteArray bytes = WriteProjectRecords(values);
  EXPECT_TRUE(bytes.startsWith(QString::fromUtf8("\"Ωmega őszi\"\r\n").toUtf8()));
  // The other texts of the file are UTF-8 as well, so the whole file reads back.
  EXPECT_EQ(ReadProjectRecords(bytes).values, values);
}

TEST(ProjectFileWriting, CutsTextsToFortyCharactersAndKeepsOneLinePerValue) {
  QStringList values = SampleValues();
  values[0] = QString(50, 'x');
  values[6] = QString(39, 'a') + QString::fromUtf8("😀") + "tail";  // a pair of UTF-16 units at the limit
  values[13] = QStringLiteral("two\r\nlines\nhere");
  const ProjectRecords read = ReadProjectRecords(WriteProjectRecords(values));
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.values[0], QString(40, 'x'));
  EXPECT_EQ(read.values[6], QString(39, 'a') + QString::fromUtf8("😀"));
  EXPECT_EQ(read.values[13], QStringLiteral("two lines here"));
  EXPECT_EQ(read.values[14], values[14]);
}

TEST(ProjectFileWriting, Windows1252TableRoundTripsEveryByte) {
  QByteArray all;
  for (int b = 1; b < 256; ++b) all.append(static_cast<char>(b));
  const QString text = DecodeWindows1252(all);
  EXPECT_EQ(text.at(0x80 - 1), QChar(0x20AC));
  EXPECT_EQ(text.at(0x81 - 1), QChar(0x0081));
  EXPECT_EQ(text.at(0x9F - 1), QChar(0x0178));
  EXPECT_EQ(text.at(0xBA - 1), QChar(0x00BA));
  bool ok = false;
  EXPECT_EQ(EncodeWindows1252(text, &ok), all);
  EXPECT_TRUE(ok);
  EncodeWindows1252(QString(QChar(0x0080)), &ok);
  EXPECT_FALSE(ok);
}

TEST(ProjectFileReading, MarksAcceptTheUsualSpellingsOfTrue) {
  for (const char* yes : {"T", "t", "True", "Y", "yes"}) EXPECT_TRUE(IsMarkedValue(yes)) << yes;
  for (const char* no : {"F", "", "x", " T", "1"}) EXPECT_FALSE(IsMarkedValue(no)) << no;
}

struct BadBytes {
  const char* name;
  QByteArray bytes;
  const char* reason;
};

class UnreadableBytes : public ::testing::TestWithParam<BadBytes> {};

TEST_P(UnreadableBytes, AreRefusedWithAReason) {
  const ProjectRecords read = ReadProjectRecords(GetParam().bytes);
  EXPECT_FALSE(read.ok());
  EXPECT_TRUE(read.error.contains(QString::fromUtf8(GetParam().reason))) << read.error.toStdString();
}

QByteArray Lines(int n) { return QByteArray("\"1\"\r\n").repeated(n); }

INSTANTIATE_TEST_SUITE_P(
    Damaged, UnreadableBytes,
    ::testing::Values(BadBytes{"Empty", QByteArray(), "0 de 98"}, BadBytes{"Truncated", Lines(97), "97 de 98"},
                      BadBytes{"OnlyLineEnds", QByteArray("\r\n").repeated(50), "50 de 98"},
                      BadBytes{"Binary", Lines(60) + QByteArray(10, '\0') + Lines(60), "no es de texto"},
                      BadBytes{"Huge", QByteArray(kProjectFileMaxBytes + 1, 'a'), "demasiado grande"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadValue {
  const char* name;
  int record;
  const char* value;
  const char* reason;
};

class UnusableValues : public ::testing::TestWithParam<BadValue> {};

TEST_P(UnusableValues, AreFoundBeforeAnythingIsApplied) {
  RecordingMessageSink sink;
  Brenak app(sink);
  QStringList values = SampleValues();
  ASSERT_EQ(CheckProjectRecords(app, values), QString());
  values[GetParam().record - 1] = QString::fromLatin1(GetParam().value);
  const QString reason = CheckProjectRecords(app, values);
  EXPECT_TRUE(reason.contains(QString::fromUtf8(GetParam().reason))) << reason.toStdString();
  EXPECT_TRUE(reason.contains(QStringLiteral("nº %1 ").arg(GetParam().record))) << reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, UnusableValues,
    ::testing::Values(BadValue{"DecimalLayers", 6, "1.5", "número entero"},
                      BadValue{"EmptyIndex", 43, "", "número entero"},
                      BadValue{"LettersForKind", 66, "pipe", "número entero"},
                      BadValue{"SevenLayers", 6, "6", "fuera de límites"},
                      BadValue{"ThirdBoxFilling", 43, "2", "fuera de límites"},
                      BadValue{"FourthCoefficientMode", 50, "3", "fuera de límites"},
                      BadValue{"NegativeRow", 55, "-1", "fuera de límites"},
                      BadValue{"BuriedConditionFour", 91, "4", "fuera de límites"},
                      BadValue{"TankConditionThree", 94, "3", "fuera de límites"},
                      BadValue{"FifthPipePlacing", 97, "4", "fuera de límites"},
                      BadValue{"KindZero", 66, "0", "fuera de límites"},
                      BadValue{"KindSeven", 66, "7", "fuera de límites"},
                      BadValue{"HugeNumber", 95, "99999999999999", "número entero"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFileChecking, AcceptsTheLastRowOfEachList) {
  RecordingMessageSink sink;
  Brenak app(sink);
  QStringList values = SampleValues();
  values[5] = "5";    // six layers
  values[42] = "1";   // air box
  values[49] = "2";   // calculated interior coefficient
  values[65] = "4";   // special
  values[88] = "7";   // last plate condition
  values[92] = "6";   // last duct condition
  values[96] = " 3 "; // blanks around an integer
  EXPECT_EQ(CheckProjectRecords(app, values), QString());
}

}  // namespace
