#pragma once
// Weights are kept in the unit the user chose (a record's or the document's metric flag);
// formulas want kilograms, and the program has always converted with 2.2 pounds to the kilogram.

namespace kt {

inline constexpr double kPoundsPerKilogram = 2.2;

// The units' short names, in the toolbar's label, the day summary, the weight dialog and the CSV
// header.
inline constexpr const char* kKilogramsUnit = "kg";
inline constexpr const char* kPoundsUnit = "lbs";
constexpr const char* UnitName(bool metric) { return metric ? kKilogramsUnit : kPoundsUnit; }

// `weight` in kilograms: as it is when `metric`, divided by 2.2 when it is in pounds.
constexpr double Kilograms(double weight, bool metric) { return metric ? weight : weight / kPoundsPerKilogram; }
// `weight` in the other unit than the one `metric` says it is in.
constexpr double OtherUnit(double weight, bool metric) { return metric ? weight * kPoundsPerKilogram : weight / kPoundsPerKilogram; }

}  // namespace kt
