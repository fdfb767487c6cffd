// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

struct ReportContent;

// The report as an OpenDocument text (.odt). Its paragraphs and runs of text
// go to content.xml, each distinct format becoming an automatic style there;
// the page, the font and the language go to styles.xml, the title
// to meta.xml; the pictures the paragraphs use are stored beside them in the
// package (OpenDocumentPackage.h), numbered in order of use.

// The bytes of the whole .odt package.
QByteArray OdtBytes(const ReportContent& content);
// The main part, content.xml, on its own.
QByteArray OdtContentXml(const ReportContent& content);
