// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/Case.h"

#include <QSet>
#include <QString>

// The input fields a case shows on the window: those its element, target,
// design condition, coefficient modes and lists ask for, inside panels that
// are shown. The window lays itself out to show just these; the checks of a
// case look only at them. Names are the fields' controls.
QSet<QString> ShownFields(const Case& c);
