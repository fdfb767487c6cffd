// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Brenak;

// "Nuevo": puts the main inputs back to their start values, without a question
// and without saving. The element kind and its variant, the conditions of the
// other kinds, the box, the economic life and hours, the reference and a few
// more keep their values.
void NewProject(Brenak& app);
