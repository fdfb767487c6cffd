// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a message box says, told apart by the code that shows it and by the
// code that reads the boxes shown (the tests, the tools): the kind decides,
// never the words, which are for the person. The calculation's warnings are
// set where the engine raises them; the others by the layers above, which is
// why the list lives here, below all of them.
enum class MessageId {
  General,  // a message nobody tells apart from the others

  // The calculation refuses the design condition.
  ConditionNotForElement,         // no thickness of this element meets this condition
  EqualTemperatures,              // interior and exterior (or soil) at one temperature
  SurfaceCoefficientNeglected,    // a surface condition with that surface's coefficient neglected
  ConditionMetWithoutInsulation,  // the bare element already meets the condition
  ConditionOutOfRange,            // the wanted temperature lies outside the interior and exterior ones
  NeverCondenses,                 // no surface condensation to avoid
  NeverFreezes,                   // still water that cannot freeze
  NoResistanceWithoutInsulation,  // a percentage of the bare flow of an element without resistance
  EconomicCostPointsEqual,        // the two cost points of the economic thickness share their thickness
  InteriorWaterCoefficient,       // the coefficient of the water flowing in a pipe comes out not positive
  InsulationRaisesDuctFlow,       // a duct so narrow that insulation raises its flow per metre
  // The calculation ran and its results are absurd (the results are cleared).
  InsulationOverFiveMetres,
  EconomicWithoutInsulation,  // no insulation costs least
  PipeAboveGround,            // a buried pipe reaches above the ground
  PipeOutgrowsBox,            // a buried pipe does not fit in its box
  BoxAboveGround,             // the box reaches above the ground
  CoefficientsDoNotConverge,
  ResultNotFinite,

  // The window's own messages.
  MissingInput,            // a field needed for the calculation is empty
  MissingInsulationLayer,  // a thickness calculation without its insulation mark
  FieldNotANumber,         // letters where a real number goes
  FieldNotAWholeNumber,    // a real number or letters where a whole number goes
  FieldOutOfLimits,
  WrongUse,  // the program started with a wrong command line
  ProjectNotOpened,
  ProjectNotSaved,
  PdfNotWritten,
  UserMaterialRefused,  // a material of one's own with a value it cannot have
  UserMaterialsNotSaved,
  UserMaterialsDamaged,
  ThicknessListUnreadable,
  TableNotSaved,
};
