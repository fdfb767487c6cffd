#include "form/FormJson.h"

#include "form/WindowState.h"

#include <QJsonArray>

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

  return QJsonObject{{"messages", shown}, {"controls", controls}, {"chart", ChartJson(app.chart)}};
}
