#include "sampledata/SampleData.h"

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <random>
#include <system_error>

#include "core/activities/ActivityTable.h"
#include "core/app/DataFolder.h"
#include "core/base/AtomicFile.h"
#include "core/base/Clock.h"
#include "core/base/Prompter.h"
#include "core/journal/KT2Doc.h"

namespace kt::sample {
namespace {

// One kind of exercise as this imaginary person does it: how often, how long, what and where.
struct Profile {
    int position;   // activity-table position; the name and MET value come from the table
    int frequency;  // relative share of all records
    int minMinutes;
    int maxMinutes;
    std::vector<const char*> descriptions;
    std::vector<const char*> locations;
};

constexpr int kLightCalisthenics = 23;  // a default name ending in an ellipsis, not selected by default

const std::vector<Profile>& Profiles() {
    // The fourteen default selected activities, in their default order, and light calisthenics.
    static const std::vector<Profile> profiles = {
        {0, 6, 30, 60, {"Step class", "Morning class"}, {"Fitness studio", "Community hall"}},
        {51, 2, 45, 120, {"Forest loop", "Easy glide"}, {"Königsforst", "Mountain trail"}},
        {60, 15, 30, 120, {"Commute", "Long ride", "Hill repeats"}, {"River path", "Country roads"}},
        {86, 2, 45, 90, {"Sunday match"}, {"Sports ground"}},
        {97, 3, 90, 120, {"Nine holes", "Driving range"}, {"Golf club"}},
        {106, 12, 40, 90, {"Weights", "Circuit training"}, {"Gym"}},
        {109, 2, 60, 90, {"League game", "Practice"}, {"Ice rink"}},
        {127, 2, 30, 60, {"Public session"}, {"Ice rink"}},
        {132, 3, 60, 90, {"Karate training"}, {"Dojo"}},
        {152, 3, 20, 45, {"Front lawn", "Back garden"}, {"Home"}},
        {191, 20, 20, 75, {"Easy run", "Intervals", "Long run", "Tempo run"}, {"Park", "River path", "Stadium track"}},
        {248, 8, 20, 60, {"Laps", "Technique drills"}, {"Pool", "Lake"}},
        {281, 15, 15, 90, {"Lunch walk", "Evening walk", "Dog walk"}, {"Park", "Old town", "Home"}},
        {299, 3, 20, 60, {"Vegetable beds", "Flower borders"}, {"Home", "Allotment"}},
        {kLightCalisthenics, 3, 10, 30, {"Morning routine"}, {"Home"}},
    };
    return profiles;
}

const std::vector<std::string>& Notes() {
    static const std::vector<std::string> notes = {
        "Müde, aber gut",     "Пробежка",   "Great session 💪", "Knee a bit sore", "Windy and cold",
        "New personal best!", "Heavy legs", "Rain…",           "With the club",   "Hot day, 31 °C",
    };
    return notes;
}

std::vector<std::string> Collect(const std::vector<const char*> Profile::*list) {
    std::vector<std::string> out;
    for (const Profile& p : Profiles()) {
        for (const char* item : p.*list) {
            if (std::find(out.begin(), out.end(), item) == out.end()) out.emplace_back(item);
        }
    }
    return out;
}

std::string Join(const std::vector<std::string>& items) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += '\t';
        out += items[i];
    }
    return out;
}

double RoundTo(double value, double step) { return std::round(value / step) * step; }

class MessageCollector : public Prompter {
public:
    void Message(const std::string& text) override { messages += text; }
    bool AskYesNo(const std::string&) override { return false; }
    bool AskYesNoDefaultNo(const std::string&) override { return false; }
    kt::Answer AskYesNoCancel(const std::string&) override { return kt::Answer::No; }
    std::string messages;
};

}  // namespace

const std::vector<std::string>& Descriptions() {
    static const std::vector<std::string> list = Collect(&Profile::descriptions);
    return list;
}

const std::vector<std::string>& Locations() {
    static const std::vector<std::string> list = Collect(&Profile::locations);
    return list;
}

std::vector<CEventRecord> GenerateRecords(const Options& options) {
    // Own arithmetic on the engine's output: the standard distributions may differ between
    // library versions, the engine's sequence may not.
    std::mt19937_64 rng(options.seed);
    const auto below = [&rng](uint64_t n) { return n == 0 ? 0 : rng() % n; };
    const auto unit = [&rng] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };

    const Time64 last = MidnightOf(options.lastDay != 0 ? options.lastDay : DefaultClock().Now());
    const LocalDate end = ToLocal(last);
    std::vector<Time64> days;
    for (int i = 0;; ++i) {
        const Time64 day = LocalMidnight(end.year - std::max(options.years, 0), end.month, end.day + 1 + i);
        if (day > last) break;
        days.push_back(day);
    }
    if (days.empty()) days.push_back(last);

    // Each record falls on a random day: about 1.6 records a day at the default size, so most
    // days see one to three events and some none.
    std::vector<uint32_t> perDay(days.size(), 0);
    for (size_t i = 0; i < options.records; ++i) ++perDay[below(days.size())];

    const ActivityTable& table = ActivityTable::Defaults();
    const auto& profiles = Profiles();
    int totalFrequency = 0;
    for (const Profile& p : profiles) totalFrequency += p.frequency;

    std::vector<CEventRecord> records;
    records.reserve(options.records);
    double weight = 84.0;
    for (size_t d = 0; d < days.size(); ++d) {
        // The weight wanders a little each day and slowly towards 78 kg over the whole span.
        const double target = 84.0 - 6.0 * static_cast<double>(d) / static_cast<double>(days.size());
        weight += (target - weight) * 0.05 + (unit() - 0.5) * 0.3;
        for (uint32_t k = 0; k < perDay[d]; ++k) {
            int pick = static_cast<int>(below(static_cast<uint64_t>(totalFrequency)));
            size_t which = 0;
            while (pick >= profiles[which].frequency) pick -= profiles[which++].frequency;
            const Profile& p = profiles[which];
            const Activity& activity = table.At(p.position);

            double minutes = p.minMinutes + static_cast<double>(below(static_cast<uint64_t>(p.maxMinutes - p.minMinutes + 1)));
            minutes = below(4) != 0 ? RoundTo(minutes, 5.0) : minutes + 0.25 * static_cast<double>(below(4));
            minutes = std::clamp(minutes, 10.0, 120.0);
            const double kg = RoundTo(weight, 0.1);
            const double calories = RoundTo(activity.met * kg * minutes / 60.0, 0.1);
            std::string notes = below(100) < 12 ? Notes()[below(Notes().size())] : std::string();
            records.emplace_back(days[d], activity.name, p.descriptions[below(p.descriptions.size())], minutes,
                                 p.locations[below(p.locations.size())], calories, below(100) < 3 ? 0.0 : kg, 1, std::move(notes));
        }
    }
    return records;
}

bool WriteDataFolder(const std::filesystem::path& folder, const std::vector<CEventRecord>& records, std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        if (error) *error = folder.string() + ": " + ec.message();
        return false;
    }
    CKT2Doc doc;
    doc.m_strDataFolder = folder.string();
    doc.SetRecords(records);
    doc.m_bMetric = records.empty() || records.back().m_bMetric != 0;
    MessageCollector prompter;
    if (!doc.SaveDatabase(prompter)) {
        if (error) *error = prompter.messages;
        return false;
    }
    FileError fileError;
    if (!WriteTextFileAtomic(folder / "KTUserData.cfg", {Join(Descriptions()), Join(Locations())}, &fileError)) {
        if (error) *error = (folder / "KTUserData.cfg").string() + ": " + fileError.message;
        return false;
    }
    return true;
}

std::filesystem::path DemoDocumentsFolder(const std::filesystem::path& home) { return home / "Documents"; }

std::filesystem::path DemoDataFolder(const std::filesystem::path& home) { return DataFolderPath(DemoDocumentsFolder(home)); }

std::filesystem::path DemoSettingsFile(const std::filesystem::path& home) { return home / ".config" / "Kinetrax" / "Kinetrax.reg"; }

std::filesystem::path MakeDemoHome(const Options& options, const std::filesystem::path& parent, std::string* error) {
    std::error_code ec;
    const std::filesystem::path base = parent.empty() ? std::filesystem::temp_directory_path(ec) : parent;
    std::string pattern = (base / "kinetrax-demo-XXXXXX").string();
    if (ec || !::mkdtemp(pattern.data())) {
        if (error) *error = base.string() + ": " + (ec ? ec.message() : std::strerror(errno));
        return {};
    }
    const std::filesystem::path home = pattern;
    if (!WriteDataFolder(DemoDataFolder(home), GenerateRecords(options), error)) {
        std::filesystem::remove_all(home, ec);
        return {};
    }
    return home;
}

}  // namespace kt::sample
