// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/MessageSink.h"

#include <QJsonObject>
#include <vector>

class WindowState;

// What the window shows, as one JSON object:
//  "messages": every box shown, in order, as {"caption", "text"};
//  "controls": per control name: "text" (text or caption, where the control
//     has one), "visible", "state" ("entered"/"computed", numeric fields),
//     "index" (radio groups, combo boxes), "items" (radio groups),
//     "checked" (insulation marks), "enabled" (buttons);
//  "chart": "visible", "title" (lines), "bottom_axis", "left_axis" and
//     "series", the [x, y] points of each of the nine series.
QJsonObject FormStateJson(const WindowState& app, const std::vector<Message>& messages);

// The same object as text for files kept under version control: every control,
// every message and every chart series on a line of its own, so that a change
// of one control shows as a change of one line.
QByteArray FormStateJsonLines(const QJsonObject& state);
