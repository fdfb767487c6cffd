// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class WindowState;

// Lays the whole window out for the current case: layer rows, shown and hidden
// inputs, captions, pictures, rebuilt coefficient lists. Nothing while a
// project is being opened.
void ApplyGeometryLayout(WindowState& app);
// The interior surface coefficient panel PCoefInt.
void LayoutInteriorPanel(WindowState& app);
// The exterior surface coefficient panel PCoefExt, or the soil panel of a buried pipe.
void LayoutExteriorPanel(WindowState& app);
