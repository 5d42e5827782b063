#include "core/journal/JournalObserver.h"

#include "core/base/Format.h"
#include "core/journal/Texts.h"

namespace kt {

std::string SaveReportText(const SaveReport& report) {
    const std::string file = report.file.string();
    if (report.records == 1) return Format(journal::kSavedOneFormat, file.c_str());
    return Format(journal::kSavedFormat, report.records, file.c_str());
}

}  // namespace kt
