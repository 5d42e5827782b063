#pragma once
// One exercise event. A plain value holder: no validation, no formatting, no computation.
//
// The four texts are shared handles (see SharedText): they read like const std::string and
// compare like them, and a record is 56 bytes that copy as plain memory, so a journal of a
// million records takes about 54 MiB however long its activity names are.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/LocalTime.h"
#include "core/base/SharedText.h"

namespace kt {

class CEventRecord {
public:
    CEventRecord() = default;
    CEventRecord(Time64 time, std::string_view type, std::string_view description, double duration, std::string_view location,
                 double calories, double weight, int metric, std::string_view notes)
        : CEventRecord(time, SharedText(type), SharedText(description), duration, SharedText(location), calories, weight, metric,
                       SharedText(notes)) {}
    CEventRecord(Time64 time, SharedText type, SharedText description, double duration, SharedText location, double calories, double weight,
                 int metric, SharedText notes)
        : m_bMetric(metric),
          m_time(time),
          m_dDuration(duration),
          m_dCalories(calories),
          m_dWeight(weight),
          m_strType(type),
          m_strDescription(description),
          m_strLocation(location),
          m_strNotes(notes) {}

    const std::string& GetType() const { return m_strType; }
    const std::string& GetDescription() const { return m_strDescription; }
    const std::string& GetLocation() const { return m_strLocation; }
    const std::string& GetNotes() const { return m_strNotes; }

    int m_bMetric = 0;  // 1: m_dWeight is in kilograms, 0: in pounds
    // The database file the record belongs to: an index into CKT2Doc::m_arFiles, 0 for the
    // active file (and every record made in this session). It travels with the record through
    // every sort, insert and copy, so no operation has to keep a parallel table in step. It fills
    // the padding before m_time and costs no memory.
    uint32_t m_nFile = 0;
    Time64 m_time = 0;       // local midnight of the exercise day
    double m_dDuration = 0;  // minutes
    double m_dCalories = 0;  // kcal
    double m_dWeight = 0;    // body weight in the unit of m_bMetric; 0 when none was recorded
    SharedText m_strType;    // activity type: the name of an activity table entry
    SharedText m_strDescription;
    SharedText m_strLocation;
    SharedText m_strNotes;
};

}  // namespace kt
