#include "core/print/PrintLayout.h"

#include <numeric>
#include <optional>

#include "core/app/Texts.h"
#include "core/base/Format.h"
#include "core/base/TextCodec.h"
#include "core/journal/KT2Doc.h"
#include "core/print/Texts.h"

namespace kt {
namespace {

constexpr int kPointsPerInch = 72;
// A wrapped line is cut at a blank only when one lies among its last characters; otherwise a
// long word would leave a short line behind.
constexpr size_t kWrapSearch = 20;

// The page layout of the record list: device units unless named points.
constexpr int kLeftMargin = 200;
constexpr int kRightMargin = 200;
constexpr int kTopMarginPoints = 40;
constexpr int kBottomMargin = 160;
constexpr int kSpacingPoints = 5;
const std::vector<int> kColumnWidths = {600, 700, 800, 400, 1500};
constexpr int kColumnGap = 50;
// A page holds the title, the header and 21 rows, each later page 20 rows.
constexpr int kRowsOnFirstPage = 21;
constexpr int kRowsPerPage = 20;

}  // namespace

int PointsToDevice(int points, int dpiY) { return (points * dpiY + kPointsPerInch / 2) / kPointsPerInch; }

PrintLayout::PrintLayout(const PrintDevice& device, const TextMeasurer& measurer) : m_device(device), m_measurer(measurer) {}

int PrintLayout::AddFont(const std::string& face, int firstSize, int secondSize) {
    m_fonts.push_back({face, firstSize, secondSize});
    return static_cast<int>(m_fonts.size()) - 1;
}

PrintFont PrintLayout::Font(int index, bool secondSize, bool bold) const {
    const FontSizes& f = m_fonts.at(static_cast<size_t>(index));
    return {f.face, PointsToDevice(secondSize ? f.second : f.first, m_device.dpiY), bold};
}

void PrintLayout::SetMargins(int left, int right, int top, int bottom) {
    m_left = left;
    m_right = right;
    m_top = top;
    m_bottom = bottom;
}

void PrintLayout::SetTable(std::vector<int> widths, int gap) {
    m_widths = std::move(widths);
    m_gap = gap;
}

void PrintLayout::StartPage() {
    m_pages.emplace_back();
    m_pageOpen = true;
    m_y = m_top;
}

void PrintLayout::EndPage() { m_pageOpen = false; }

void PrintLayout::BreakBefore(int height) {
    if (!m_pageOpen) {
        StartPage();
    } else if (m_y + height + m_spacing > m_device.height - m_bottom) {
        EndPage();
        StartPage();
    }
}

std::vector<std::string> PrintLayout::Wrap(const PrintFont& font, const std::string& text) const {
    const int width = m_device.width - m_left - m_right;
    std::vector<std::string> lines;
    std::u32string rest = Utf8ToCodePoints(text);
    while (m_measurer.Width(font, CodePointsToUtf8(rest)) > width) {
        // The longest beginning that fits, at least one character so that the text always ends.
        size_t fits = 1;
        while (fits < rest.size() && m_measurer.Width(font, CodePointsToUtf8(rest.substr(0, fits + 1))) <= width) ++fits;
        // A blank right after the part that fits ends the line there; otherwise the line ends at
        // its last blank, when one lies among its last characters.
        size_t cut = fits;
        if (fits < rest.size() && rest[fits] != U' ') {
            for (size_t k = fits; k > 1 && fits - k < kWrapSearch; --k) {
                if (rest[k - 1] == U' ') {
                    cut = k - 1;
                    break;
                }
            }
        }
        lines.push_back(CodePointsToUtf8(rest.substr(0, cut)));
        rest.erase(0, cut);
        if (!rest.empty() && rest.front() == U' ') rest.erase(0, 1);
    }
    lines.push_back(CodePointsToUtf8(rest));
    return lines;
}

void PrintLayout::PrintTextLine(const PrintFont& font, const std::string& text, TextAlign align, int xOffset) {
    const int height = m_measurer.Height(font);
    for (const std::string& line : Wrap(font, text)) {
        BreakBefore(height);
        if (!line.empty()) {
            const int available = m_device.width - m_left - m_right;
            const int x = align == TextAlign::Centre ? m_left + (available - m_measurer.Width(font, line)) / 2 : m_left + xOffset;
            m_pages.back().texts.push_back({font, line, x, m_y});
        }
        m_y += height + m_spacing;
    }
}

void PrintLayout::PrintTableRow(const PrintFont& font, const std::vector<std::string>& cells) {
    const int height = m_measurer.Height(font);
    BreakBefore(height + 2 * m_spacing);
    PrintPage& page = m_pages.back();
    const int top = m_y;
    const int textTop = m_y + m_spacing;
    const int bottom = textTop + height + m_spacing;
    int x = m_left + m_gap / 4;
    for (size_t i = 0; i < m_widths.size(); ++i) {
        const int width = m_widths[i];
        const int leftRule = x - (i == 0 ? m_gap / 4 : m_gap / 2);
        page.rules.push_back({leftRule, top, leftRule, bottom});
        page.rules.push_back({x + width + m_gap / 2, top, x + width + m_gap / 2, bottom});
        const std::string cell = i < cells.size() ? cells[i] : std::string();
        const int textWidth = m_measurer.Width(font, cell);
        if (textWidth < width) {
            if (!cell.empty()) page.texts.push_back({font, cell, x + (width - textWidth) / 2, textTop});
        } else {
            page.texts.push_back({font, cell, x, textTop, true, x, x + width});
        }
        x += width + m_gap;
    }
    const int right = m_left + std::accumulate(m_widths.begin(), m_widths.end(), 0) + static_cast<int>(m_widths.size()) * m_gap - m_gap / 4;
    page.rules.push_back({m_left, top, right, top});
    page.rules.push_back({m_left, bottom, right, bottom});
    m_y = bottom;
}

std::vector<PrintPage> PrintLayout::EndDocument() {
    EndPage();
    return std::move(m_pages);
}

PrintPlan LayoutRecordRange(const CKT2Doc& doc, Time64 start, Time64 end, const PrintDevice& device, const TextMeasurer& measurer) {
    PrintLayout layout(device, measurer);
    const int arial = layout.AddFont("Arial", 10, 16);
    const int times = layout.AddFont("Times New Roman", 10, 16);
    const int small = layout.AddFont("Arial", 8, 8);
    layout.SetMargins(kLeftMargin, kRightMargin, PointsToDevice(kTopMarginPoints, device.dpiY), kBottomMargin);
    layout.SetSpacing(PointsToDevice(kSpacingPoints, device.dpiY));
    layout.StartPage();

    const PrintFont titleFont = layout.Font(arial, false, false);
    layout.PrintTextLine(titleFont,
                         Format(print_text::kTitleFormat, FormatTime(start, print_text::kTitleDatePattern).c_str(),
                                FormatTime(end, print_text::kTitleDatePattern).c_str()),
                         TextAlign::Centre);
    layout.PrintTextLine(titleFont, "", TextAlign::Left);
    layout.PrintTextLine(titleFont, "", TextAlign::Left);

    layout.SetTable(kColumnWidths, kColumnGap);
    layout.PrintTableRow(layout.Font(times, false, true), {print_text::kHeaderCells.begin(), print_text::kHeaderCells.end()});

    const PrintFont rowFont = layout.Font(small, false, false);
    std::optional<Time64> previous;
    int rows = 0;
    for (const CEventRecord& r : doc.Records()) {
        if (r.m_time < start || r.m_time > end) continue;
        const std::string date = previous == r.m_time ? print_text::kRepeatedDate : FormatTime(r.m_time, print_text::kRowDatePattern);
        // Cells are handed over as a list, so a '|' typed into a text prints as itself.
        layout.PrintTableRow(rowFont,
                             {date, r.m_strType, r.m_strDescription, Format(print_text::kDurationFormat, r.m_dDuration), r.m_strNotes});
        previous = r.m_time;
        ++rows;
        if (rows == kRowsOnFirstPage || (rows > kRowsOnFirstPage && (rows - kRowsOnFirstPage) % kRowsPerPage == 0)) {
            layout.EndPage();
            layout.StartPage();
        }
    }
    return {text::kAppTitle, layout.EndDocument()};
}

}  // namespace kt
