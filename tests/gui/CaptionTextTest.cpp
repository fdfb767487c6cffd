// SPDX-License-Identifier: GPL-3.0-or-later
// How the window lays out the program's captions: runs of blanks space a
// caption's columns, lines or unit, and the window turns them into its own
// columns, line breaks or a narrow gap.
#include "gui/WindowStyle.h"

#include <gtest/gtest.h>

TEST(CaptionText, RunsOfBlanksSplitOnlyFromTheirLength) {
  EXPECT_EQ(BlankSeparatedParts(QStringLiteral("  Acero   50 W/mºC  "), 3), (QStringList{"Acero", "50 W/mºC"}));
  EXPECT_EQ(BlankSeparatedParts(QStringLiteral("Lana  de roca"), 3), (QStringList{"Lana  de roca"}));
  EXPECT_EQ(BlankSeparatedParts(QStringLiteral("a    b   c"), 3), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(BlankSeparatedParts(QString(), 3), (QStringList{QString()}));
  EXPECT_EQ(BlankSeparatedParts(QStringLiteral("Espesor  mm"), 2), (QStringList{"Espesor", "mm"}));
}

TEST(CaptionText, HeadingsBreakAtTheirRunsAndCompactCaptionsNarrowThem) {
  // A unit in parentheses stays whole: its blanks become non-breaking.
  EXPECT_EQ(HeadingText(QStringLiteral("Conductividad  (W/m ºC)")),
            QStringLiteral("Conductividad\n(W/\u2060m\u00A0ºC)"));
  EXPECT_EQ(CompactText(QStringLiteral(" Diámetro interior   mm ")), QStringLiteral("Diámetro interior  mm"));
  EXPECT_EQ(CompactText(QStringLiteral("Altura  m")), QStringLiteral("Altura  m"));
}
