#pragma once

class Brenak;

// Turns the inputs on the window into results: converges the surface
// coefficients, solves the insulation thickness when asked, and writes the
// result lines, temperatures and chart. Warnings go through app.messages.
void RunCalculation(Brenak& app);
