// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ProjectFile.h"

#include "app/Brenak.h"
#include "form/CaseFields.h"

#include <gtest/gtest.h>
#include <QSet>

namespace {

TEST(CaseFields, NameControlsOfTheRightKindEachOnceInFileOrder) {
  RecordingMessageSink sink;
  Brenak app(sink);
  QSet<QString> seen;
  int kindCodes = 0;
  ASSERT_EQ(static_cast<int>(CaseFields().size()), kProjectRecordCount);
  for (const CaseField& entry : CaseFields()) {
    EXPECT_EQ(entry.record, static_cast<int>(&entry - CaseFields().data()) + 1);
    const QString name = QString::fromLatin1(entry.control);
    if (entry.type == CaseValueType::Kind) {
      ++kindCodes;
      continue;
    }
    ASSERT_TRUE(app.form.Has(name)) << entry.control;
    EXPECT_FALSE(seen.contains(name)) << entry.control;
    seen.insert(name);
    const ControlType type = app.form.At(name).type;
    const bool fits = entry.type == CaseValueType::Text ? type == ControlType::Edit
                      : entry.type == CaseValueType::Mark
                          ? type == ControlType::RadioButton
                          : type == ControlType::RadioGroup || type == ControlType::ComboBox;
    EXPECT_TRUE(fits) << entry.control;
    // A list's rows are those the window offers (the coefficient lists at their longest).
    if (entry.type == CaseValueType::Row) {
      EXPECT_EQ(entry.rows, app.form.At(name).items.size()) << entry.control;
    }
  }
  EXPECT_EQ(kindCodes, 1);
}

// 98 values whose texts need the encodings: accents, the euro sign, quotes
// inside a value, an empty text.
QStringList SampleValues() {
  QStringList values;
  for (const CaseField& entry : CaseFields())
    values << (entry.type == CaseValueType::Text ? QStringLiteral("%1,5").arg(values.size()) : QStringLiteral("1"));
  values[0] = QString::fromUtf8("Nave nº 3: cámara €");
  values[13] = QString::fromUtf8("Tubo 1/2\" \"cobre\"");
  values[19] = QString();
  return values;
}

struct Spelling {
  const char* name;
  const char* lineEnd;
  bool quoted;
  bool utf8;
  const char* before;  // bytes ahead of the first record (a byte-order mark)
  const char* after;   // bytes after the 98th line end ("" drops that line end)
};

class FileSpellings : public ::testing::TestWithParam<Spelling> {};

TEST_P(FileSpellings, ReadToTheSameValues) {
  const Spelling& s = GetParam();
  QString text;
  for (const QString& v : SampleValues()) text += (s.quoted ? '"' + v + '"' : v) + QLatin1String(s.lineEnd);
  if (s.after[0] == 0) text.chop(static_cast<int>(qstrlen(s.lineEnd)));
  bool ok = false;
  const QByteArray bytes = s.before + (s.utf8 ? text.toUtf8() : EncodeWindows1252(text, &ok)) + s.after;
  const ProjectRecords read = ReadProjectRecords(bytes);
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.values, SampleValues());
}

INSTANTIATE_TEST_SUITE_P(Variants, FileSpellings,
                         ::testing::Values(Spelling{"QuotedCrlf1252", "\r\n", true, false, "", "\r\n"},
                                           Spelling{"QuotedLfUtf8MoreLines", "\n", true, true, "", "\"extra\"\n"},
                                           Spelling{"BareCrlfUtf8MarkNoFinalLineEnd", "\r\n", false, true,
                                                    "\xEF\xBB\xBF", ""},
                                           Spelling{"BareLf1252", "\n", false, false, "", "\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectFileWriting, QuotedCrlfLinesInWindows1252OrElseUtf8) {
  QStringList values = SampleValues();
  const QByteArray bytes = WriteProjectRecords(values);
  EXPECT_TRUE(bytes.startsWith("\"Nave n\xBA 3: c\xE1mara \x80\"\r\n\"1,5\"\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), kProjectRecordCount);
  EXPECT_EQ(bytes.count('\n'), kProjectRecordCount);

  values[0] = QString::fromUtf8("Ωmega");  // not in Windows-1252: the whole file turns UTF-8
  const QByteArray utf8 = WriteProjectRecords(values);
  EXPECT_TRUE(utf8.contains(QString::fromUtf8("\"Ωmega\"\r\n\"1,5\"").toUtf8()));
  EXPECT_TRUE(utf8.contains(QString::fromUtf8("\"Tubo 1/2\" \"cobre\"\"").toUtf8()));
  EXPECT_EQ(ReadProjectRecords(utf8).values, values);
}

TEST(ProjectFileWriting, CutsTextsToFortyCharactersAndKeepsOneLinePerValue) {
  QStringList values = SampleValues();
  values[0] = QString(50, 'x');
  values[6] = QString(39, 'a') + QString::fromUtf8("😀tail");  // never half of a character
  values[13] = QStringLiteral("two\r\nlines\nhere");
  const ProjectRecords read = ReadProjectRecords(WriteProjectRecords(values));
  ASSERT_TRUE(read.ok()) << read.error.toStdString();
  EXPECT_EQ(read.values[0], QString(40, 'x'));
  EXPECT_EQ(read.values[6], QString(39, 'a') + QString::fromUtf8("😀"));
  EXPECT_EQ(read.values[13], QStringLiteral("two lines here"));
  EXPECT_EQ(read.values[14], values[14]);
}

}  // namespace
