// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormJson.h"

#include "form/WindowState.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

bool HasText(ControlType type) {
  switch (type) {
    case ControlType::Edit:
    case ControlType::Label:
    case ControlType::RadioGroup:
    case ControlType::Button:
    case ControlType::Panel: return true;
    default: return false;
  }
}

QJsonObject ControlJson(const Control& c) {
  QJsonObject o;
  if (HasText(c.type)) o.insert("text", c.text);
  o.insert("visible", c.visible);
  if (c.hasState) o.insert("state", c.state == FieldState::Computed ? "computed" : "entered");
  if (c.type == ControlType::RadioGroup || c.type == ControlType::ComboBox) o.insert("index", c.index);
  if (c.type == ControlType::RadioGroup) o.insert("items", QJsonArray::fromStringList(c.items));
  if (c.itemEnabled.contains(false)) {
    // Only a group with a row the user cannot choose says so, with the row's tooltip.
    QJsonArray disabled;
    for (int row = 0; row < c.itemEnabled.size(); ++row)
      if (!c.itemEnabled[row]) disabled.append(QJsonObject{{"row", row}, {"hint", c.itemHints.value(row)}});
    o.insert("disabled_items", disabled);
  }
  if (c.type == ControlType::RadioButton) o.insert("checked", c.checked);
  if (c.type == ControlType::Button) o.insert("enabled", c.enabled);
  return o;
}

QJsonObject ChartJson(const ChartModel& chart) {
  QJsonObject o;
  o.insert("visible", chart.visible);
  o.insert("title", QJsonArray::fromStringList(chart.title));
  o.insert("bottom_axis", chart.bottomAxis);
  o.insert("left_axis", chart.leftAxis);
  QJsonArray series;
  for (const auto& points : chart.series) {
    QJsonArray line;
    for (const QPointF& p : points) line.append(QJsonArray{p.x(), p.y()});
    series.append(line);
  }
  o.insert("series", series);
  return o;
}

}  // namespace

QJsonObject FormStateJson(const WindowState& app, const std::vector<Message>& messages) {
  QJsonArray shown;
  for (const Message& m : messages) shown.append(QJsonObject{{"caption", m.caption}, {"text", m.text}});

  QJsonObject controls;
  for (const Control& c : app.form.Controls()) controls.insert(c.name, ControlJson(c));

  QJsonObject state{{"messages", shown}, {"controls", controls}, {"chart", ChartJson(app.chart)}};
  // Where the keyboard focus was sent last, when the program sent it anywhere.
  if (!app.form.FocusRequest().isEmpty()) state.insert("focus", app.form.FocusRequest());
  return state;
}

namespace {

QByteArray Compact(const QJsonValue& value) {
  if (value.isObject()) return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
  if (value.isArray()) return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
  // A scalar: written inside an array, then taken out of it.
  return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

QByteArray Key(const QString& key) { return Compact(QJsonValue(key)) + ": "; }

// "key": followed by the members of an object (or the items of an array) one a line.
QByteArray OneALine(const QString& key, const QJsonValue& value, const QByteArray& indent) {
  QByteArray out = indent + Key(key);
  const QByteArray inner = indent + "  ";
  QByteArrayList lines;
  if (value.isObject()) {
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) lines << inner + Key(it.key()) + Compact(it.value());
    return out + (lines.isEmpty() ? "{}" : "{\n" + lines.join(",\n") + "\n" + indent + "}");
  }
  if (value.isArray()) {
    for (const QJsonValue& item : value.toArray()) lines << inner + Compact(item);
    return out + (lines.isEmpty() ? "[]" : "[\n" + lines.join(",\n") + "\n" + indent + "]");
  }
  return out + Compact(value);
}

}  // namespace

QByteArray FormStateJsonLines(const QJsonObject& state) {
  QByteArrayList members;
  for (auto it = state.begin(); it != state.end(); ++it) {
    if (it.key() == QLatin1String("chart") && it.value().isObject()) {
      // The chart's own members one a line, each series on a line of its own.
      const QJsonObject chart = it.value().toObject();
      QByteArrayList lines;
      for (auto c = chart.begin(); c != chart.end(); ++c) lines << OneALine(c.key(), c.value(), "    ");
      members << "  " + Key(it.key()) + "{\n" + lines.join(",\n") + "\n  }";
    } else {
      members << OneALine(it.key(), it.value(), "  ");
    }
  }
  return "{\n" + members.join(",\n") + "\n}\n";
}
