#include "core/update/UpdateRules.h"

#include <filesystem>

#include "core/base/AtomicFile.h"
#include "core/base/Format.h"
#include "core/update/Texts.h"

namespace kt {
namespace {

namespace tx = update_text;

constexpr Rgb kMessageColour{0, 0, 160};
constexpr Rgb kDownloadedColour{0, 0, 220};

TextSpan Style(bool bold, bool italic, Rgb colour) {
    TextSpan s;
    s.bold = bold;
    s.italic = italic;
    s.colour = colour;
    return s;
}

const TextSpan kProduct = Style(true, false, {220, 0, 0});
const TextSpan kDescription = Style(false, true, {151, 92, 26});
const TextSpan kVersion = Style(true, true, {0, 160, 0});
const TextSpan kDate = Style(true, false, {220, 0, 0});
const TextSpan kUpdateChoice = Style(true, true, {0, 0, 128});
const TextSpan kOtherChoice = Style(true, false, {255, 153, 0});

// A part of the message lies between two fixed words. The part between the first `before`
// found from `from` and the next `after` (the end of the text when `after` is empty) gets
// `format`. Returns where the search goes on: the start of `after`, or `from` when either word is
// missing, in which case the part keeps the default format.
size_t Mark(StyledText& t, size_t from, std::string_view before, std::string_view after, const TextSpan& format) {
    const size_t b = t.text.find(before, from);
    if (b == std::string::npos) return from;
    const size_t start = b + before.size();
    const size_t end = after.empty() ? t.text.size() : t.text.find(after, start);
    if (end == std::string::npos) return from;
    TextSpan span = format;
    span.start = start;
    span.length = end - start;
    if (span.length > 0) t.spans.push_back(span);
    return end;
}

// Marks the next `word` from `from`; returns the position after it, or `from` when it is missing.
size_t MarkWord(StyledText& t, size_t from, std::string_view word, const TextSpan& format) {
    const size_t at = t.text.find(word, from);
    if (at == std::string::npos) return from;
    TextSpan span = format;
    span.start = at;
    span.length = word.size();
    t.spans.push_back(span);
    return at + word.size();
}

StyledText Centred(const std::string& message, Rgb colour, double points) {
    StyledText t;
    t.Append(message);
    t.defaultColour = colour;
    t.defaultPointSize = points;
    size_t paragraphs = 1;
    for (char c : t.text) paragraphs += c == '\n' ? 1 : 0;
    for (size_t i = 0; i < paragraphs; ++i) t.alignments.push_back({i, ParagraphAlign::Center});
    return t;
}

}  // namespace

UpdateButtons UpdateDialogButtons(UpdateMode mode, const std::string& productName, bool downloaded) {
    UpdateButtons b;
    b.updateNow = downloaded ? tx::kInstall : Format(tx::kUpdateNow, productName.c_str());
    b.downloadOnly = downloaded ? tx::kOpenFolder : tx::kDownloadOnly;
    b.website = tx::kViewWebsite;
    b.actionsVisible = mode == UpdateMode::Current || mode == UpdateMode::Newer;
    b.cancel = !b.actionsVisible ? tx::kClose : downloaded ? tx::kUpdateLater : tx::kContinue;
    return b;
}

StyledText UpdateMessageText(UpdateMode mode, const std::string& message) {
    StyledText t = Centred(message, kMessageColour, mode == UpdateMode::NotUploaded ? 12.0 : 8.75);
    size_t at = 0;
    switch (mode) {
        case UpdateMode::Newer:
            at = Mark(t, at, "newer version of ", " available.", kProduct);
            at = Mark(t, at, "You are using ", " Version ", kProduct);
            at = Mark(t, at, " Version ", " and Version ", kVersion);
            at = Mark(t, at, "and Version ", " is available", kVersion);
            at = Mark(t, at, ", created on ", ". \n", kDate);
            at = Mark(t, at, "You may ", " ", kUpdateChoice);
            at = Mark(t, at, " ", " now,", kProduct);
            at = Mark(t, at, "now, ", " the newer", kOtherChoice);
            at = Mark(t, at, "go to the ", " or ", kOtherChoice);
            Mark(t, at, " or ", " without", kOtherChoice);
            break;
        case UpdateMode::Current:
            at = Mark(t, at, "You are using ", " (", kProduct);
            at = Mark(t, at, " (", "), Version ", kDescription);
            at = Mark(t, at, "), Version ", ".\n", kVersion);
            at = Mark(t, at, "\nVersion ", " ", kVersion);
            Mark(t, at, ", created on ", ", is identified", kDate);
            break;
        case UpdateMode::NotUploaded:
            at = Mark(t, at, "newer version of ", " (Version ", kProduct);
            at = Mark(t, at, "(Version ", ")", kVersion);
            Mark(t, at, "website is ", "", kVersion);
            break;
        case UpdateMode::NoInformation: {
            at = Mark(t, at, "website for: ", "\n", kProduct);
            // The version is the last word; the product name before it may hold blanks.
            const size_t blank = t.text.rfind(' ');
            if (blank != std::string::npos && blank > at) {
                Mark(t, at, "Using: ", t.text.substr(blank), kProduct);
                Mark(t, blank, " ", "", kVersion);
            }
            break;
        }
    }
    return t;
}

StyledText DownloadedMessageText(const std::string& setupFile, const std::string& folder) {
    StyledText t = Centred(Format(tx::kDownloaded, setupFile.c_str(), folder.c_str()), kDownloadedColour, 11.0);
    const TextSpan green = Style(true, false, {0, 128, 0});
    const TextSpan navy = Style(true, false, {0, 0, 128});
    const TextSpan darkRed = Style(true, false, {128, 0, 0});
    const TextSpan orange = Style(true, false, {255, 153, 0});
    size_t at = MarkWord(t, setupFile.size(), "has", green);
    at = MarkWord(t, at, "to:", green);
    at = MarkWord(t, at + folder.size(), "You may", navy);
    at = MarkWord(t, at, "install", darkRed);
    at = MarkWord(t, at, "open", darkRed);
    at = MarkWord(t, at, "folder", orange);
    MarkWord(t, at, "update later", orange);
    return t;
}

std::string GetDownloadFolder(const std::optional<std::string>& downloads, Prompter& prompter) {
    if (!downloads || downloads->empty()) {
        prompter.Message(tx::kNoDownloadsFolder);
        return "";
    }
    const std::filesystem::path folder = std::filesystem::path(*downloads) / "Quorvane";
    FileError error;
    if (!CreateFolder(folder, &error)) {
        prompter.Message(Format(tx::kDownloadFolderFailed, static_cast<unsigned>(error.code), error.message.c_str()));
        return "";
    }
    return folder.string();
}

std::optional<int> DownloadPercent(int64_t received, int64_t length) {
    if (length <= 0) return std::nullopt;
    return static_cast<int>(static_cast<double>(received) / static_cast<double>(length) * 100.0);
}

bool DownloadIsComplete(int64_t received, int64_t announced, bool transferError) {
    if (transferError || received <= 0) return false;
    return announced <= 0 || received == announced;
}

std::string SetupUnavailableMessage(const std::string& setupFile, const std::string& supportAddress, const std::string& url) {
    return Format(tx::kSetupUnavailable, setupFile.c_str()) + supportAddress + Format(tx::kSetupUnavailableUrl, url.c_str());
}

}  // namespace kt
