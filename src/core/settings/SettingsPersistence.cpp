#include "core/settings/SettingsPersistence.h"

#include <cerrno>
#include <cmath>
#include <limits>
#include <optional>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/base/Scan.h"
#include "core/base/Text.h"
#include "core/settings/SettingsKey.h"

namespace kt {
namespace {

// Value names of the store.
constexpr const char* kGraphPeriod = "GraphPeriod";
constexpr const char* kAveragingPeriod = "AveragingPeriod";
constexpr const char* kMaxWeight = "MaxWeight";
constexpr const char* kMinWeight = "MinWeight";
constexpr const char* kMaxHours = "MaxHours";
constexpr const char* kMetric = "Metric";
constexpr const char* kLastWeight = "LastWeight";
constexpr const char* kAddToCombo = "AddToCombo";
constexpr const char* kAutoUpdate = "AutoUpdate";
constexpr const char* kMonitorWeight = "MonitorWeight";
constexpr const char* kUseLastWeight = "UseLastWeight";
constexpr const char* kAutoFill = "AutoFill";
constexpr const char* kAutoArchive = "AutoArchive";
constexpr const char* kEvents = "Events";

// First-run graph period, used when neither the store nor a cfg file exists.
constexpr int kFirstRunGraphPeriod = 4;

std::vector<std::string_view> SplitAtTabs(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t pos = 0;
    for (;;) {
        const size_t tab = text.find('\t', pos);
        if (tab == std::string_view::npos) {
            pieces.push_back(text.substr(pos));
            return pieces;
        }
        pieces.push_back(text.substr(pos, tab - pos));
        pos = tab + 1;
    }
}

// A non-empty line is split at every tab, empty pieces included; an empty line adds nothing.
void AppendListLine(std::string_view line, std::vector<std::string>& list) {
    if (line.empty()) return;
    for (std::string_view piece : SplitAtTabs(line)) list.emplace_back(piece);
}

std::string JoinList(const std::vector<std::string>& items) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += '\t';
        // A tab or line end inside an item would split it or shift the next list.
        out += SanitizeFieldText(items[i]);
    }
    return out;
}

// The blank-separated fields of a cfg line, read one after another like scanf's "%d\t%d...":
// reading stops at the first field that is not a number.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && IsSpace(line[pos])) ++pos;
        const size_t start = pos;
        while (pos < line.size() && !IsSpace(line[pos])) ++pos;
        if (pos > start) fields.push_back(line.substr(start, pos - start));
    }
    return fields;
}

void ReadFlag(std::optional<int> value, bool& flag) {
    if (value) flag = *value != 0;
}

void LoadUserData(const std::filesystem::path& dataFolder, Settings& s) {
    std::vector<std::string> lines;
    FileError error;
    s.m_bUserDataUnreadable = false;
    if (!ReadTextFile(DataFilePath(dataFolder, kUserDataFileName), lines, &error)) {
        // There but unreadable: its lists must not be replaced by whatever this run collects.
        s.m_bUserDataUnreadable = error.code != ENOENT && !dataFolder.empty();
        return;
    }
    if (lines.size() > 0) AppendListLine(lines[0], s.m_arDescriptions);
    if (lines.size() > 1) AppendListLine(lines[1], s.m_arLocations);
}

void LoadFromStore(CSettingsKey& key, const std::filesystem::path& dataFolder, Settings& s, CKT2Doc& doc) {
    s.m_nGraphPeriod = key.ReadInt(kGraphPeriod, 1);
    s.m_nAveragingPeriod = key.ReadInt(kAveragingPeriod, 1);
    s.m_dMaxWeight = key.ReadDouble(kMaxWeight, s.m_dMaxWeight);
    s.m_dMinWeight = key.ReadDouble(kMinWeight, s.m_dMinWeight);
    s.m_dMaxHours = key.ReadDouble(kMaxHours, 10.0);
    doc.m_bMetric = key.ReadInt(kMetric, 1) != 0;
    s.m_dLastWeight = key.ReadDouble(kLastWeight, doc.m_bMetric ? 68.0 : 150.0);
    doc.m_dLastWeight = s.m_dLastWeight;
    s.m_bAddToCombo = key.ReadInt(kAddToCombo, 1) != 0;
    s.m_bAutoUpdate = key.ReadInt(kAutoUpdate, 1) != 0;
    s.m_bMonitorWeight = key.ReadInt(kMonitorWeight, 0) != 0;
    s.m_bUseLastWeight = key.ReadInt(kUseLastWeight, 1) != 0;
    s.m_bAutoFill = key.ReadInt(kAutoFill, 1) != 0;
    s.m_strAutoArchive = key.ReadString(kAutoArchive, "0 0");

    s.m_arSelectedActivities = DecodeSelectedActivities(key.ReadString(kEvents, ""));
    LoadUserData(dataFolder, s);
}

void LoadFromCfg(const std::filesystem::path& dataFolder, Settings& s, CKT2Doc& doc) {
    std::filesystem::path name = DataFilePath(dataFolder, kCfgFileName);
    bool oldForm = false;
    std::error_code ec;
    if (!std::filesystem::exists(name, ec)) {
        name = DataFilePath(dataFolder, kOldCfgFileName);
        oldForm = true;
    }

    std::vector<std::string> lines;
    if (!ReadTextFile(name, lines)) {
        s.m_nGraphPeriod = kFirstRunGraphPeriod;
        const std::vector<uint16_t> defaults = DefaultSelectedActivities();
        s.m_arSelectedActivities.insert(s.m_arSelectedActivities.end(), defaults.begin(), defaults.end());
        return;
    }

    // A missing line reads as empty; a field that cannot be read keeps its value.
    auto line = [&lines](size_t n) -> std::string_view { return n <= lines.size() ? std::string_view(lines[n - 1]) : std::string_view(); };

    if (auto v = ScanInt(line(1))) s.m_nGraphPeriod = *v;
    if (oldForm) {
        s.m_nAveragingPeriod = 1;
    } else if (auto v = ScanInt(line(2))) {
        s.m_nAveragingPeriod = *v;
    }
    if (auto v = ScanDouble(line(3))) s.m_dMaxWeight = *v;

    const auto line4 = Fields(line(4));
    if (!line4.empty()) {
        if (auto minWeight = ScanDouble(line4[0])) {
            s.m_dMinWeight = *minWeight;
            if (line4.size() > 1) {
                if (auto hours = ScanDouble(line4[1])) s.m_dMaxHours = *hours;
            }
        }
    }
    // Written the other way round so that a NaN threshold is replaced as well.
    if (!(s.m_dMaxHours > 0.0 && s.m_dMaxHours <= 50.0)) s.m_dMaxHours = 10.0;

    int metric = doc.m_bMetric ? 1 : 0;
    std::vector<std::optional<int>> flags;
    for (std::string_view field : Fields(line(5))) {
        auto v = ScanInt(field);
        if (!v) break;
        flags.push_back(v);
    }
    auto flag = [&flags](size_t i) { return i < flags.size() ? flags[i] : std::nullopt; };
    if (oldForm) {
        if (auto v = flag(1)) metric = *v;
    } else {
        if (auto v = flag(0)) metric = *v;
        ReadFlag(flag(1), s.m_bAddToCombo);
        ReadFlag(flag(2), s.m_bAutoUpdate);
        ReadFlag(flag(3), s.m_bMonitorWeight);
        ReadFlag(flag(4), s.m_bUseLastWeight);
        ReadFlag(flag(5), s.m_bAutoFill);
    }
    doc.m_bMetric = metric > 0;

    if (lines.size() >= 6) s.m_arSelectedActivities = DecodeSelectedActivities(lines[5]);
    AppendListLine(line(7), s.m_arDescriptions);
    AppendListLine(line(8), s.m_arLocations);
}

std::vector<std::string> CfgLines(const Settings& s, const CKT2Doc& doc) {
    std::string events = EncodeSelectedActivities(s.m_arSelectedActivities);
    if (!events.empty()) events.pop_back();  // the line feed is the line end
    return {
        Format("%d", s.m_nGraphPeriod),
        Format("%d", s.m_nAveragingPeriod),
        Format("%3.1lf", s.m_dMaxWeight),
        Format("%3.1lf\t%3.2lf", s.m_dMinWeight, s.m_dMaxHours),
        Format("%d\t%d\t%d\t%d\t%d\t%d", doc.m_bMetric ? 1 : 0, s.m_bAddToCombo ? 1 : 0, s.m_bAutoUpdate ? 1 : 0,
               s.m_bMonitorWeight ? 1 : 0, s.m_bUseLastWeight ? 1 : 0, s.m_bAutoFill ? 1 : 0),
        events,
        JoinList(s.m_arDescriptions),
        JoinList(s.m_arLocations),
    };
}

}  // namespace

std::string EncodeSelectedActivities(const std::vector<uint16_t>& positions) {
    std::string out;
    for (size_t i = 0; i < positions.size(); ++i) {
        out += Format("%d", static_cast<int>(positions[i]));
        out += (i + 1 == positions.size()) ? '\n' : '\t';
    }
    return out;
}

std::vector<uint16_t> DecodeSelectedActivities(std::string_view text) {
    std::vector<uint16_t> out;
    uint16_t previous = 0;
    for (std::string_view piece : SplitAtTabs(text)) {
        if (auto v = ScanInt(piece)) {
            // Only a hand-edited value holds such a number; it must not wrap onto a real activity.
            previous = (*v < 0 || *v > 0xFFFF) ? uint16_t{0xFFFF} : static_cast<uint16_t>(*v);
        }
        out.push_back(previous);
    }
    return out;
}

double ToSinglePrecision(double value) {
    // Converting a double beyond the float range is undefined; the hardware answer is infinity.
    constexpr double kFloatMax = std::numeric_limits<float>::max();
    if (value > kFloatMax) return std::numeric_limits<double>::infinity();
    if (value < -kFloatMax) return -std::numeric_limits<double>::infinity();
    return static_cast<double>(static_cast<float>(value));
}

void LoadSettings(SettingsStore& store, const std::filesystem::path& dataFolder, Settings& settings, CKT2Doc& doc) {
    SettingsBatch batch(store);  // one read of the store for all values
    CSettingsKey key(store);
    if (key.Open(kSettingsKeyPath, false)) {
        LoadFromStore(key, dataFolder, settings, doc);
    } else {
        LoadFromCfg(dataFolder, settings, doc);
        settings.m_bSettingsChanged = true;
    }
    key.Close();
}

bool SaveSettings(SettingsStore& store, const std::filesystem::path& dataFolder, Settings& settings, const CKT2Doc& doc) {
    SettingsBatch batch(store);  // every value in one write, so a save is never half done
    CSettingsKey key(store);
    bool ok = true;
    if (key.Open(kSettingsKeyPath, true)) {
        const Settings& s = settings;
        ok &= key.WriteInt(kGraphPeriod, s.m_nGraphPeriod);
        ok &= key.WriteInt(kAveragingPeriod, s.m_nAveragingPeriod);
        ok &= key.WriteDouble(kMaxWeight, ToSinglePrecision(s.m_dMaxWeight));
        ok &= key.WriteDouble(kMinWeight, ToSinglePrecision(s.m_dMinWeight));
        ok &= key.WriteDouble(kMaxHours, s.m_dMaxHours);
        ok &= key.WriteInt(kMetric, doc.m_bMetric ? 1 : 0);
        ok &= key.WriteDouble(kLastWeight, s.m_dLastWeight);
        ok &= key.WriteInt(kAddToCombo, s.m_bAddToCombo ? 1 : 0);
        ok &= key.WriteInt(kAutoUpdate, s.m_bAutoUpdate ? 1 : 0);
        ok &= key.WriteInt(kMonitorWeight, s.m_bMonitorWeight ? 1 : 0);
        ok &= key.WriteInt(kUseLastWeight, s.m_bUseLastWeight ? 1 : 0);
        ok &= key.WriteInt(kAutoFill, s.m_bAutoFill ? 1 : 0);
        ok &= key.WriteString(kAutoArchive, s.m_strAutoArchive);
        if (!s.m_arSelectedActivities.empty()) ok &= key.WriteString(kEvents, EncodeSelectedActivities(s.m_arSelectedActivities));
        // The option lists first: the store is the save's last step, so a store that holds this
        // save's values means the lists were written before it.
        ok &= SaveUserData(dataFolder, s);
        ok &= batch.Commit();
    } else {
        ok = WriteTextFileAtomic(DataFilePath(dataFolder, kCfgFileName), CfgLines(settings, doc));
    }
    key.Close();
    if (ok) settings.m_bSettingsChanged = false;
    return ok;
}

bool SaveUserData(const std::filesystem::path& dataFolder, const Settings& settings) {
    if (settings.m_bUserDataUnreadable) return false;
    return WriteTextFileAtomic(DataFilePath(dataFolder, kUserDataFileName),
                               {JoinList(settings.m_arDescriptions), JoinList(settings.m_arLocations)});
}

bool SaveSelectedActivities(SettingsStore& store, const Settings& settings) {
    CSettingsKey key(store);
    if (!key.Open(kSettingsKeyPath, true) || settings.m_arSelectedActivities.empty()) return false;
    return key.WriteString(kEvents, EncodeSelectedActivities(settings.m_arSelectedActivities));
}

}  // namespace kt
