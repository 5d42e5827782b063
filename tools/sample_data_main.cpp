// kt-sample-data --out <folder> [--records N] [--years Y] [--seed S]
// Writes a data folder with a realistic exercise journal ending today.

#include <cstdio>
#include <cstring>
#include <string>

#include "core/base/LocalTime.h"
#include "core/base/Scan.h"
#include "sampledata/SampleData.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: kt-sample-data --out <folder> [--records N] [--years Y] [--seed S]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    kt::sample::Options options;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!value) return Usage();
        const auto number = kt::ScanU64(value);
        if (std::strcmp(arg, "--out") == 0) {
            out = value;
        } else if (std::strcmp(arg, "--records") == 0 && number && *number <= 100'000'000) {
            options.records = static_cast<size_t>(*number);
        } else if (std::strcmp(arg, "--years") == 0 && number && *number >= 1 && *number <= 100) {
            options.years = static_cast<int>(*number);
        } else if (std::strcmp(arg, "--seed") == 0 && number) {
            options.seed = *number;
        } else {
            return Usage();
        }
        ++i;
    }
    if (out.empty()) return Usage();

    const auto records = kt::sample::GenerateRecords(options);
    std::string error;
    if (!kt::sample::WriteDataFolder(out, records, &error)) {
        std::fprintf(stderr, "kt-sample-data: %s\n", error.c_str());
        return 1;
    }
    if (records.empty()) {
        std::printf("Wrote an empty database into %s\n", out.c_str());
    } else {
        std::printf("Wrote %zu records from %s to %s into %s\n", records.size(), kt::FormatTime(records.front().m_time, "%Y-%m-%d").c_str(),
                    kt::FormatTime(records.back().m_time, "%Y-%m-%d").c_str(), out.c_str());
    }
    return 0;
}
