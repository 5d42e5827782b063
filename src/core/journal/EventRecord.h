#pragma once
// One exercise event. A plain value holder: no validation, no formatting, no computation.

#include <cstdint>
#include <string>
#include <utility>

#include "core/base/LocalTime.h"

namespace kt {

class CEventRecord {
public:
    CEventRecord() = default;
    CEventRecord(Time64 time, std::string type, std::string description, double duration, std::string location, double calories,
                 double weight, int metric, std::string notes)
        : m_bMetric(metric),
          m_time(time),
          m_strType(std::move(type)),
          m_strDescription(std::move(description)),
          m_dDuration(duration),
          m_strLocation(std::move(location)),
          m_dCalories(calories),
          m_strNotes(std::move(notes)),
          m_dWeight(weight) {}

    std::string GetType() const { return m_strType; }
    std::string GetDescription() const { return m_strDescription; }
    std::string GetLocation() const { return m_strLocation; }
    std::string GetNotes() const { return m_strNotes; }

    int m_bMetric = 0;  // 1: m_dWeight is in kilograms, 0: in pounds
    // The database file the record belongs to: an index into CKT2Doc::m_arFiles, 0 for the
    // active file (and every record made in this session). It travels with the record through
    // every sort, insert and copy, so no operation has to keep a parallel table in step. It fills
    // the padding before m_time and costs no memory.
    uint32_t m_nFile = 0;
    Time64 m_time = 0;      // local midnight of the exercise day
    std::string m_strType;  // activity type: the name of an activity table entry
    std::string m_strDescription;
    double m_dDuration = 0;  // minutes
    std::string m_strLocation;
    double m_dCalories = 0;  // kcal
    std::string m_strNotes;
    double m_dWeight = 0;  // body weight in the unit of m_bMetric; 0 when none was recorded
};

}  // namespace kt
