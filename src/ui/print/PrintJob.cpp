#include "ui/print/PrintJob.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "ui/base/QtText.h"

namespace kt::ui {
namespace {

QFont ToQFont(const kt::PrintFont& font) {
    QFont f(ToQ(font.face));
    f.setPixelSize(std::max(1, font.pixelSize));
    f.setBold(font.bold);
    return f;
}

}  // namespace

class PrintJob::QtMeasurer : public kt::TextMeasurer {
public:
    explicit QtMeasurer(QPrinter& printer) : m_printer(printer) {}
    int Height(const kt::PrintFont& font) const override { return QFontMetrics(ToQFont(font), &m_printer).height(); }
    int Width(const kt::PrintFont& font, const std::string& text) const override {
        return QFontMetrics(ToQFont(font), &m_printer).horizontalAdvance(ToQ(text));
    }

private:
    QPrinter& m_printer;
};

PrintJob::PrintJob(QPrinter& printer) : m_printer(printer), m_measurer(std::make_unique<QtMeasurer>(printer)) {
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_printer.setResolution(kResolution);
}

PrintJob::~PrintJob() = default;

kt::PrintDevice PrintJob::Device() const { return {m_printer.width(), m_printer.height(), m_printer.logicalDpiY()}; }

const kt::TextMeasurer& PrintJob::Measurer() const { return *m_measurer; }

bool PrintJob::Print(const kt::PrintPlan& plan) {
    m_printer.setDocName(ToQ(plan.documentName));
    QPainter painter;
    if (!painter.begin(&m_printer)) return false;
    painter.setPen(QPen(Qt::black, 1));
    for (size_t i = 0; i < plan.pages.size(); ++i) {
        if (i > 0) m_printer.newPage();
        const kt::PrintPage& page = plan.pages[i];
        for (const kt::PrintRule& rule : page.rules) painter.drawLine(rule.x1, rule.y1, rule.x2, rule.y2);
        for (const kt::PrintText& text : page.texts) {
            const QFont font = ToQFont(text.font);
            painter.setFont(font);
            if (text.clipped) painter.setClipRect(QRect(text.clipLeft, 0, text.clipRight - text.clipLeft, m_printer.height()));
            painter.drawText(text.x, text.y + QFontMetrics(font, &m_printer).ascent(), ToQ(text.text));
            if (text.clipped) painter.setClipping(false);
        }
    }
    return painter.end();
}

}  // namespace kt::ui
