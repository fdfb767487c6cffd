#pragma once

#include <QString>

class WindowState;
class MessageSink;

// Checks the text of a field being left against its value kind ("Temperatura",
// "Porcentaje", ...). Shows zero, one or two boxes and returns the text to put
// back: the text (separators exchanged when that was needed) or empty.
QString ValidateField(MessageSink& messages, const QString& text, const QString& kind);
// The value kind a field passes when it is left; empty for a field not checked.
QString FieldKind(const QString& controlName);
// Leaving a field: validate its text and write the result back.
void LeaveField(WindowState& app, const QString& controlName);
