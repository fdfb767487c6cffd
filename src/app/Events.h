// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Brenak;
enum class FormEvent;

// Installs the main window's event handlers on app.form.reaction: the toolbar,
// the kind buttons, the option lists, the insulation marks, the chooser panels
// and the reactions of the fields to a click, a change and the focus leaving.
void InstallEventHandlers(Brenak& app);

// Runs the reaction of control `name` to `event`; nothing for a control that
// has no reaction to it.
void HandleFormEvent(Brenak& app, const QString& name, FormEvent event);
