#include "core/cli/Arguments.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <string_view>
#include <tuple>

#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "core/base/Scan.h"
#include "core/stats/Averages.h"

namespace kt::cli {
namespace {

struct CommandInfo {
    Command command;
    const char* name;
    int operands;  // how many FILE operands the command takes (exactly)
};

constexpr CommandInfo kCommands[] = {
    {Command::Summary, "summary", 0}, {Command::ExportCsv, "export-csv", 1}, {Command::ImportCsv, "import-csv", 1},
    {Command::Add, "add", 0},         {Command::Check, "check", 0},
};

// An option's value goes through its reader, which stores it or says what is wrong with it.
using Reader = std::function<std::string(Arguments&, const std::string& value)>;

struct OptionInfo {
    const char* name;
    Command command;  // None: every command takes it
    bool takesValue;
    Reader read;
};

std::string ReadDay(std::optional<CalendarDay>& into, const char* name, const std::string& value) {
    into = ParseCalendarDay(value);
    return into ? "" : Format("%s takes a date as YYYY-MM-DD, not \"%s\"", name, value.c_str());
}

std::string ReadText(std::optional<std::string>& into, const std::string& value) {
    into = value;
    return "";
}

const std::vector<OptionInfo>& Options() {
    static const std::vector<OptionInfo> options = {
        {"--data-folder", Command::None, true,
         [](Arguments& a, const std::string& v) {
             if (v.empty()) return std::string("--data-folder takes a folder");
             a.dataFolder = v;
             return std::string();
         }},
        {"--help", Command::None, false, [](Arguments& a, const std::string&) { return a.help = true, std::string(); }},
        {"--period", Command::Summary, true,
         [](Arguments& a, const std::string& v) {
             int period = -1;
             const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), period);
             if (ec != std::errc() || end != v.data() + v.size() || period < 0 || period >= kAveragingPeriodCount)
                 return Format("--period takes a number from 0 to %d, not \"%s\"", kAveragingPeriodCount - 1, v.c_str());
             a.period = period;
             return std::string();
         }},
        {"--from", Command::ExportCsv, true, [](Arguments& a, const std::string& v) { return ReadDay(a.from, "--from", v); }},
        {"--to", Command::ExportCsv, true, [](Arguments& a, const std::string& v) { return ReadDay(a.to, "--to", v); }},
        {"--activity", Command::Add, true,
         [](Arguments& a, const std::string& v) {
             if (Trim(v).empty()) return std::string("--activity takes the name of an activity");
             a.activity = v;
             return std::string();
         }},
        {"--duration", Command::Add, true,
         [](Arguments& a, const std::string& v) {
             if (!IsDurationText(Trim(v)))
                 return Format("--duration takes minutes or hours (45, 1.5, 1:30 or 1:15:30), not \"%s\"", v.c_str());
             a.duration = v;
             return std::string();
         }},
        {"--description", Command::Add, true, [](Arguments& a, const std::string& v) { return ReadText(a.description, v); }},
        {"--location", Command::Add, true, [](Arguments& a, const std::string& v) { return ReadText(a.location, v); }},
        {"--notes", Command::Add, true, [](Arguments& a, const std::string& v) { return ReadText(a.notes, v); }},
        {"--calories", Command::Add, true,
         [](Arguments& a, const std::string& v) {
             const std::string text = Trim(v);
             double value = 0;
             const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
             if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value < 0)
                 return Format("--calories takes a number of 0 or more, not \"%s\"", v.c_str());
             a.calories = text;
             return std::string();
         }},
        {"--date", Command::Add, true, [](Arguments& a, const std::string& v) { return ReadDay(a.date, "--date", v); }},
    };
    return options;
}

bool Given(const Arguments& a, std::string_view option) {
    if (option == "--data-folder") return a.dataFolder.has_value();
    if (option == "--help") return false;  // saying it twice does no harm
    if (option == "--period") return a.period.has_value();
    if (option == "--from") return a.from.has_value();
    if (option == "--to") return a.to.has_value();
    if (option == "--activity") return !a.activity.empty();
    if (option == "--duration") return !a.duration.empty();
    if (option == "--description") return a.description.has_value();
    if (option == "--location") return a.location.has_value();
    if (option == "--notes") return a.notes.has_value();
    if (option == "--calories") return a.calories.has_value();
    return a.date.has_value();
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// What must hold once every word has been read.
std::string CheckComplete(const Arguments& a, int operands, int wanted) {
    if (a.help || a.version) return "";
    if (a.command == Command::None) return "no command given";
    if (operands < wanted) return Format("%s needs a file", CommandName(a.command));
    if (a.command == Command::Add) {
        if (a.activity.empty()) return "add needs --activity";
        if (a.duration.empty()) return "add needs --duration";
    }
    if (a.from && a.to && std::tie(a.from->year, a.from->month, a.from->day) > std::tie(a.to->year, a.to->month, a.to->day))
        return "--from lies after --to";
    return "";
}

}  // namespace

const char* CommandName(Command command) {
    for (const CommandInfo& entry : kCommands) {
        if (entry.command == command) return entry.name;
    }
    return "";
}

std::optional<CalendarDay> ParseCalendarDay(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    const CalendarDay day{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2))};
    if (day.year < 1970 || day.month < 1 || day.month > 12 || day.day < 1 || day.day > DaysInMonth(day.year, day.month))
        return std::nullopt;
    return day;
}

bool IsDurationText(const std::string& text) {
    int parts = 0;
    size_t i = 0;
    while (true) {
        const size_t digitsStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        bool digits = i > digitsStart;
        if (i < text.size() && text[i] == '.') {
            const size_t fractionStart = ++i;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
            digits = digits || i > fractionStart;
        }
        if (!digits || ++parts > 3) return false;
        if (i == text.size()) return true;
        if (text[i++] != ':') return false;
    }
}

ParseResult ParseArguments(const std::vector<std::string>& words) {
    ParseResult result;
    Arguments& a = result.args;
    int operands = 0;
    int wanted = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--version" && a.command == Command::None) {
            a.version = true;
            continue;
        }
        if (word.size() > 2 && word.compare(0, 2, "--") == 0) {
            const size_t equals = word.find('=');
            const std::string name = word.substr(0, equals);
            const OptionInfo* entry = nullptr;
            for (const OptionInfo& option : Options()) {
                if (name == option.name) entry = &option;
            }
            if (!entry) {
                result.error = Format("unknown option %s", name.c_str());
                return result;
            }
            if (entry->command != Command::None && entry->command != a.command) {
                result.error = a.command == Command::None ? Format("%s comes after the command that takes it", name.c_str())
                                                          : Format("%s does not take %s", CommandName(a.command), name.c_str());
                return result;
            }
            if (Given(a, name)) {
                result.error = Format("%s is given twice", name.c_str());
                return result;
            }
            std::string value;
            if (entry->takesValue) {
                if (equals != std::string::npos) {
                    value = word.substr(equals + 1);
                } else if (i + 1 < words.size()) {
                    value = words[++i];
                } else {
                    result.error = Format("%s needs a value", name.c_str());
                    return result;
                }
            } else if (equals != std::string::npos) {
                result.error = Format("%s takes no value", name.c_str());
                return result;
            }
            result.error = entry->read(a, value);
            if (!result.error.empty()) return result;
            continue;
        }
        if (a.command == Command::None) {
            for (const CommandInfo& entry : kCommands) {
                if (word == entry.name) {
                    a.command = entry.command;
                    wanted = entry.operands;
                }
            }
            if (a.command == Command::None) {
                result.error = Format("unknown command \"%s\"", word.c_str());
                return result;
            }
            continue;
        }
        // "-" alone is a file operand (standard output for export-csv); any other dash word is a mistake.
        if (word.size() > 1 && word[0] == '-') {
            result.error = Format("unknown option %s", word.c_str());
            return result;
        }
        if (operands >= wanted) {
            result.error = Format("%s takes no further argument \"%s\"", CommandName(a.command), word.c_str());
            return result;
        }
        a.file = word;
        ++operands;
    }
    result.error = CheckComplete(a, operands, wanted);
    return result;
}

}  // namespace kt::cli
