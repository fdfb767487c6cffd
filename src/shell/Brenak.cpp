#include "shell/Brenak.h"

Brenak::Brenak(MessageSink& sink) : messages(sink) { SetKind(GeometryKind::Plate); }

void Brenak::Warn(const QString& text) { messages.Show({kAtencion, text, MessageButtons::OkCancel}); }

QString KindButton(GeometryKind kind) {
  switch (kind) {
    case GeometryKind::Plate: return QStringLiteral("SpeedButton2");
    case GeometryKind::Pipe: return QStringLiteral("SpeedButton4");
    case GeometryKind::Sphere: return QStringLiteral("SpeedButton5");
    case GeometryKind::Special: return QStringLiteral("SpeedButton23");
  }
  return {};
}

void Brenak::SetKind(GeometryKind newKind) {
  kind = newKind;
  for (GeometryKind k : {GeometryKind::Plate, GeometryKind::Pipe, GeometryKind::Sphere, GeometryKind::Special})
    form.SetCaptionRed(KindButton(k), k == kind);
}

bool Brenak::IsBuriedPipe() const {
  const int placing = form.Index("RGTipoTuberias");
  return IsPipe() && (placing == 2 || placing == 3);
}

bool Brenak::IsPipeInBox() const { return IsPipe() && form.Index("RGTipoTuberias") == 3; }

bool Brenak::IsPipeInAir() const {
  const int placing = form.Index("RGTipoTuberias");
  return IsPipe() && (placing == 0 || placing == 1);
}

bool Brenak::IsDuct() const { return IsSpecial() && form.Index("RGTipoOtros") == 0; }

bool Brenak::IsTank() const {
  const int variant = form.Index("RGTipoOtros");
  return IsSpecial() && (variant == 1 || variant == 2);
}

bool Brenak::ThicknessTarget() const { return form.Index("RadioGroupCalcular") == 1; }

int Brenak::LayerCount() const {
  const int row = form.Index("ComboBox1");
  return row < 0 ? 1 : (row > 5 ? 6 : row + 1);
}

QString Brenak::ConditionGroup() const {
  switch (kind) {
    case GeometryKind::Plate: return QStringLiteral("RadioGroupCondicionP");
    case GeometryKind::Pipe:
      return IsBuriedPipe() ? QStringLiteral("RadioGroupCondicionTE") : QStringLiteral("RadioGroupCondicionT");
    case GeometryKind::Sphere: return QStringLiteral("RadioGroupCondicionE");
    case GeometryKind::Special: return IsDuct() ? QStringLiteral("RadioGroupConductos") : QString();
  }
  return {};
}

int Brenak::ConditionIndex() const {
  const QString group = ConditionGroup();
  return group.isEmpty() ? 0 : form.Index(group);
}
