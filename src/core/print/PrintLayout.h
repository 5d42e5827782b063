#pragma once
// The printed record list as data: pages of positioned texts and rule lines in device units. The
// Qt layer measures texts with the printer's fonts (through TextMeasurer) and paints the pages;
// every position, cut and page break is decided here.

#include <string>
#include <vector>

#include "core/base/LocalTime.h"

namespace kt {

class CKT2Doc;

// A font as the device draws it: the face, its height in device pixels, regular or bold.
struct PrintFont {
    std::string face;
    int pixelSize = 0;
    bool bold = false;
    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// Text extents on the output device, in device units.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int Height(const PrintFont& font) const = 0;  // the height of one line of text
    virtual int Width(const PrintFont& font, const std::string& text) const = 0;
};

// The printable area in device units and the vertical resolution that turns points into them.
struct PrintDevice {
    int width = 0;
    int height = 0;
    int dpiY = 0;
};

// A text whose top-left corner is (x, y). A clipped text shows only what lies in
// [clipLeft, clipRight) horizontally.
struct PrintText {
    PrintFont font;
    std::string text;
    int x = 0;
    int y = 0;
    bool clipped = false;
    int clipLeft = 0;
    int clipRight = 0;
};

// A one-pixel black line.
struct PrintRule {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct PrintPage {
    std::vector<PrintText> texts;
    std::vector<PrintRule> rules;
};

enum class TextAlign { Left, Centre };

// Sizes in points become device units with the device's vertical resolution (rounded).
int PointsToDevice(int points, int dpiY);

// Lays out lines and table rows page by page, as a printer job would print them.
class PrintLayout {
public:
    PrintLayout(const PrintDevice& device, const TextMeasurer& measurer);

    // A font in two sizes (points); returns its index for Font().
    int AddFont(const std::string& face, int firstSize, int secondSize);
    PrintFont Font(int index, bool secondSize, bool bold) const;

    // Margins and spacing in device units.
    void SetMargins(int left, int right, int top, int bottom);
    void SetSpacing(int spacing) { m_spacing = spacing; }
    // Column widths and the gap between columns, in device units.
    void SetTable(std::vector<int> widths, int gap);

    void StartPage();
    void EndPage();
    // One line of text, wrapped when wider than the space between the margins (preferring a blank
    // among the line's last 20 characters). An empty text leaves an empty line. Each line moves the
    // position down by the font's height plus the spacing.
    void PrintTextLine(const PrintFont& font, const std::string& text, TextAlign align, int xOffset = 0);
    // One table row with rules around every cell; a cell's text is centred in its column when it
    // is narrower, and clipped to the column otherwise. Missing cells are empty.
    void PrintTableRow(const PrintFont& font, const std::vector<std::string>& cells);
    // Ends the last page and hands out every page.
    std::vector<PrintPage> EndDocument();

    int Y() const { return m_y; }

private:
    // Starts a new page when `height` plus the spacing does not fit below the position.
    void BreakBefore(int height);
    std::vector<std::string> Wrap(const PrintFont& font, const std::string& text) const;

    PrintDevice m_device;
    const TextMeasurer& m_measurer;
    struct FontSizes {
        std::string face;
        int first;
        int second;
    };
    std::vector<FontSizes> m_fonts;
    int m_left = 0, m_right = 0, m_top = 0, m_bottom = 0;
    int m_spacing = 0;
    std::vector<int> m_widths;
    int m_gap = 0;
    int m_y = 0;
    std::vector<PrintPage> m_pages;
    bool m_pageOpen = false;
};

// The printout of the document's records with start <= date <= end: title, header row and one
// row per record, in array order.
struct PrintPlan {
    std::string documentName;
    std::vector<PrintPage> pages;
};
PrintPlan LayoutRecordRange(const CKT2Doc& doc, Time64 start, Time64 end, const PrintDevice& device, const TextMeasurer& measurer);

}  // namespace kt
