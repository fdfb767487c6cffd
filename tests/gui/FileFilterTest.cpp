// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialogs' filter turned into Qt's form, and their titles.

#include "gui/WindowServices.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct FilterCase {
  const char* name;
  const char* filter;
  const char* qt;
};
void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }

class QtFileFilterTest : public ::testing::TestWithParam<FilterCase> {};

}  // namespace

TEST_P(QtFileFilterTest, Converts) {
  EXPECT_EQ(QtFileFilter(QString::fromUtf8(GetParam().filter)), QString::fromUtf8(GetParam().qt));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, QtFileFilterTest,
    ::testing::Values(FilterCase{"ProjectFiles", "Text files (*.txt)|*.TXT", "Text files (*.txt *.TXT)"},
                      FilterCase{"SamePatternTwice", "Text files (*.txt)|*.txt", "Text files (*.txt)"},
                      FilterCase{"PatternsOnlyAfterTheBar", "Proyectos|*.txt;*.TXT", "Proyectos (*.txt *.TXT)"},
                      FilterCase{"TwoEntries", "Text files (*.txt)|*.TXT|Todos (*.*)|*.*",
                                 "Text files (*.txt *.TXT);;Todos (*.*)"},
                      FilterCase{"NoPatterns", "Todos", "Todos (*)"}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

// The dialog says what the user is doing: a PDF export, an installation or a
// CSV list is not titled as a project.
TEST(FileDialogTitleTest, NamesTheKindOfFile) {
  EXPECT_EQ(FileDialogTitle(true, QStringLiteral("txt")), QStringLiteral("Abrir proyecto"));
  EXPECT_EQ(FileDialogTitle(false, QStringLiteral("txt")), QStringLiteral("Guardar proyecto"));
  EXPECT_EQ(FileDialogTitle(false, QStringLiteral("pdf")), QStringLiteral("Guardar como PDF"));
  EXPECT_EQ(FileDialogTitle(true, QStringLiteral("json")), QStringLiteral("Abrir instalación"));
  EXPECT_EQ(FileDialogTitle(false, QStringLiteral("CSV")), QStringLiteral("Guardar como CSV"));
}
