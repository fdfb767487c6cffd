// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class WindowBinding;

// Sets the order in which Tab runs through the controls: the left column from
// the reference down, the economic data, the interior and exterior sides (or
// the soil), then the layer table row by row from the inside out and the box.
// A radio group is visited row by row, each row followed by the fields riding
// on it.
void ApplyTabOrder(const WindowBinding& binding);
