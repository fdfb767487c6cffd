// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/MessageId.h"

#include <QCoreApplication>
#include <QString>
#include <vector>

// Every message box of the program goes through a MessageSink: the window shows
// a modal box, the command-line tool and the tests record it. A box tells and
// offers no choice: it has one button, "Aceptar". An error box (`Error`) shows
// the sign of an error. Its identifier says what kind of message it is, for
// the code that tells messages apart.
enum class MessageButtons { Ok, Error };

struct Message {
  QString caption;
  QString text;
  MessageButtons buttons = MessageButtons::Ok;
  MessageId id = MessageId::General;
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Returns when the box is closed; the answer is never used.
  virtual void Show(const Message& message) = 0;
};

class RecordingMessageSink : public MessageSink {
 public:
  void Show(const Message& message) override { shown.push_back(message); }
  std::vector<Message> shown;
};

// The caption of the completeness check and of every calculation warning, as
// the source writes it.
inline const QString kAtencion = QStringLiteral("Atención");
// The same caption in the language the program speaks.
inline QString AttentionCaption() { return QCoreApplication::translate("MessageSink", "Atención"); }

// Shows a warning of the kind `id`: caption "Atención", one button.
inline void ShowWarning(MessageSink& sink, MessageId id, const QString& text) {
  sink.Show({AttentionCaption(), text, MessageButtons::Ok, id});
}
