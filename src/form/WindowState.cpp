// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/WindowState.h"

WindowState::WindowState(MessageSink& sink) : messages(sink) { SetKind(GeometryKind::Plate); }

void WindowState::SetDocument(const QString& path, bool changed) {
  if (projectPath == path && modified == changed) return;
  projectPath = path;
  modified = changed;
  if (documentChanged) documentChanged();
}

void WindowState::Warn(const QString& text) { messages.Show({AttentionCaption(), text, MessageButtons::Ok}); }

QString KindButton(GeometryKind kind) {
  switch (kind) {
    case GeometryKind::Plate: return QStringLiteral("SpeedButton2");
    case GeometryKind::Pipe: return QStringLiteral("SpeedButton4");
    case GeometryKind::Sphere: return QStringLiteral("SpeedButton5");
    case GeometryKind::Special: return QStringLiteral("SpeedButton23");
  }
  return {};
}

void WindowState::SetKind(GeometryKind newKind) {
  kind = newKind;
  for (GeometryKind k : {GeometryKind::Plate, GeometryKind::Pipe, GeometryKind::Sphere, GeometryKind::Special})
    form.SetCaptionRed(KindButton(k), k == kind);
}

bool WindowState::IsBuriedPipe() const {
  const int placing = form.Index("RGTipoTuberias");
  return IsPipe() && (placing == 2 || placing == 3);
}

bool WindowState::IsPipeInBox() const { return IsPipe() && form.Index("RGTipoTuberias") == 3; }

bool WindowState::IsPipeInAir() const {
  const int placing = form.Index("RGTipoTuberias");
  return IsPipe() && (placing == 0 || placing == 1);
}

bool WindowState::IsDuct() const { return IsSpecial() && form.Index("RGTipoOtros") == 0; }

bool WindowState::IsTank() const {
  const int variant = form.Index("RGTipoOtros");
  return IsSpecial() && (variant == 1 || variant == 2);
}

bool WindowState::ThicknessTarget() const { return form.Index("RadioGroupCalcular") == 1; }

int WindowState::LayerCount() const {
  const int row = form.Index("ComboBox1");
  return row < 0 ? 1 : (row > 5 ? 6 : row + 1);
}

QString WindowState::ConditionGroup() const {
  switch (kind) {
    case GeometryKind::Plate: return QStringLiteral("RadioGroupCondicionP");
    case GeometryKind::Pipe:
      return IsBuriedPipe() ? QStringLiteral("RadioGroupCondicionTE") : QStringLiteral("RadioGroupCondicionT");
    case GeometryKind::Sphere: return QStringLiteral("RadioGroupCondicionE");
    case GeometryKind::Special: return IsDuct() ? QStringLiteral("RadioGroupConductos") : QString();
  }
  return {};
}

int WindowState::ConditionIndex() const {
  const QString group = ConditionGroup();
  return group.isEmpty() ? 0 : form.Index(group);
}
