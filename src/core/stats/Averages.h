#pragma once
// Averaging periods and the averages of minutes and calories per day over them. Every period
// ends at the reference date, the date of the last record in the array.

#include <cstdint>
#include <string>
#include <vector>

namespace kt {

class CKT2Doc;
class ActivityTable;

constexpr int kAveragingPeriodCount = 10;

struct AverageResult {
    double total = 0.0;   // minutes or calories over the counted records
    double perDay = 0.0;  // total / days; 0 when days is not positive
    int days = 0;         // the divisor
    int events = 0;       // records counted
    std::string text;     // the period text, or the error text
};

AverageResult DurationAverage(const CKT2Doc& doc, int period);
AverageResult CalorieAverage(const CKT2Doc& doc, const ActivityTable& table, const std::vector<uint16_t>& selected, int period);

}  // namespace kt
