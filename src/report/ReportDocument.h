#pragma once

#include <QImage>
#include <QString>
#include <optional>

// A change of the character format of the end of a report document: each effect
// that holds a value is switched on or off, the others stay as they are; the
// size, in points, is always set.
struct ReportFontChange {
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<bool> emboss;
  std::optional<bool> engrave;
  std::optional<bool> shadow;
  std::optional<bool> doubleStrikeThrough;
  std::optional<bool> strikeThrough;
  float size = 10.0f;
};

// The document the report is written into. The report is built only by
// appending at the end; "the last sentence" is the content of the unfinished
// last paragraph (empty, or holding only the tabs written just before).
class ReportDocument {
 public:
  virtual ~ReportDocument() = default;

  // Attaches to the document application. False when it cannot be reached.
  virtual bool Connect() = 0;
  // Makes the application visible and gives its window the caption.
  virtual void ShowWindow(const QString& caption) = 0;
  // Starts a new empty document, the target of everything that follows.
  virtual void NewDocument() = 0;
  // Switches off the checking of spelling and grammar as you type.
  virtual void DisableProofing() = 0;
  // Appends the text at the end of the document. A line feed in the text ends
  // a paragraph; a tab stays in it.
  virtual void AppendText(const QString& text) = 0;
  // Formats the last sentence; the format holds for the text appended after it
  // until the next change.
  virtual void SetLastSentenceFont(const ReportFontChange& change) = 0;
  // Puts the picture in place of the last sentence.
  virtual void PastePictureOverLastSentence(const QImage& picture) = 0;
  // Drops the connection; harmless when there is none.
  virtual void Disconnect() = 0;
};
