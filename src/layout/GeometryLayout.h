#pragma once

class Brenak;

// Lays the whole window out for the current case: layer rows, shown and hidden
// inputs, captions, pictures, rebuilt coefficient lists. Nothing while a
// project is being opened.
void ApplyGeometryLayout(Brenak& app);
// The interior surface coefficient panel PCoefInt.
void LayoutInteriorPanel(Brenak& app);
// The exterior surface coefficient panel PCoefExt, or the soil panel of a buried pipe.
void LayoutExteriorPanel(Brenak& app);
