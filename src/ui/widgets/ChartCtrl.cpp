#include "ui/widgets/ChartCtrl.h"

#include <qcustomplot.h>

#include <QVBoxLayout>
#include <cmath>

#include "core/base/LocalTime.h"
#include "core/chart/GraphPeriod.h"
#include "core/chart/Texts.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

// Ticks on whole days, labelled by the chart's label rule.
class DayTicker : public QCPAxisTicker {
public:
    int stepDays = 1;
    std::string pattern;

protected:
    double getTickStep(const QCPRange&) override { return stepDays; }
    int getSubTickCount(double) override { return 0; }
    QString getTickLabel(double tick, const QLocale&, QChar, int) override { return ToQ(kt::TickLabel(tick, stepDays, pattern)); }
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override {
        QVector<double> ticks;
        const double first = std::ceil(range.lower / tickStep - 1e-9) * tickStep;
        for (double t = first; t <= range.upper + 1e-9 && ticks.size() < 2000; t += tickStep) ticks.push_back(t);
        return ticks;
    }
};

QColor Q(kt::Rgb c) { return QColor(c.r, c.g, c.b); }

// The chart's own colours, and its axes (black letters and lines on white) in their counterparts
// on a dark window.
void ColourChart(QCustomPlot* plot, QCPBars* exercise, QCPBars* weight) {
    plot->setBackground(ShownFill(Q(kt::chart_setup::kBackground)));
    const QColor ink = ShownText(Qt::black);
    for (QCPAxis* axis : plot->axisRect()->axes()) {
        axis->setBasePen(QPen(ink));
        axis->setTickPen(QPen(ink));
        axis->setSubTickPen(QPen(ink));
        axis->setTickLabelColor(ink);
        axis->setLabelColor(ink);
    }
    plot->yAxis2->setLabelColor(ShownText(Q(kt::chart_setup::kWeightAxisTitleColour)));
    plot->yAxis->grid()->setPen(QPen(ShownFill(Q(kt::chart_setup::kGridColour)), 1, Qt::DotLine));
    for (auto [bars, colour] : {std::pair{exercise, kt::chart_setup::kExerciseColour}, std::pair{weight, kt::chart_setup::kWeightColour}}) {
        if (!bars) continue;
        bars->setPen(QPen(ShownLine(Q(colour))));
        bars->setBrush(ShownLine(Q(colour)));
    }
}

}  // namespace

struct CChartCtrl::Impl {
    QCustomPlot* plot = nullptr;
    QCPBars* exercise = nullptr;
    QCPBars* weight = nullptr;
    QCPBarsGroup* pair = nullptr;  // puts a day's exercise and weight bars side by side
    QSharedPointer<DayTicker> ticker;
    int plotPixels = 0;
};

CChartCtrl::CChartCtrl(QWidget* parent) : QWidget(parent), d(std::make_unique<Impl>()) {
    setObjectName(QStringLiteral("exerciseChart"));
    d->plot = new QCustomPlot(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->plot);
    d->plot->legend->setVisible(false);
    FollowPalette(this, "chart", [this] {
        ColourChart(d->plot, d->exercise, d->weight);
        d->plot->replot();
    });
    connect(d->plot, &QCustomPlot::afterReplot, this, [this] {
        const int pixels = PlotPixels();
        if (pixels == d->plotPixels) return;
        d->plotPixels = pixels;
        if (onPlotWidthChanged) onPlotWidthChanged(pixels);
    });

    connect(d->plot, &QCustomPlot::mouseDoubleClick, this, [this](QMouseEvent* event) {
        if (event->button() != Qt::LeftButton || !onDoubleClick) return;
        const QPointF pos = event->position();
        QCPAxis* axis = nullptr;
        for (QCPAxis* a : d->plot->axisRect()->axes()) {
            if (a->visible() && a->selectTest(pos, false) >= 0 && a->selectTest(pos, false) < d->plot->selectionTolerance()) {
                axis = a;
                break;
            }
        }
        const double x = d->plot->xAxis->pixelToCoord(pos.x());
        if (axis == nullptr) {
            if (d->plot->axisRect()->rect().contains(pos.toPoint())) onDoubleClick(Axis::Bottom, x);
            return;
        }
        onDoubleClick(axis == d->plot->xAxis ? Axis::Bottom : axis == d->plot->yAxis ? Axis::Left : Axis::Right, x);
    });
}

CChartCtrl::~CChartCtrl() = default;

void CChartCtrl::Setup(const kt::AxisRange& weightRange) {
    QCustomPlot* plot = d->plot;
    d->ticker = QSharedPointer<DayTicker>::create();
    plot->xAxis->setTicker(d->ticker);
    plot->xAxis->setLabel(ToQ(kt::chart_text::kDateAxisTitle));
    plot->xAxis->setTickLabelRotation(0);
    plot->yAxis->setLabel(ToQ(kt::chart_text::kMinutesAxisTitle));
    plot->yAxis->setRange(0, kt::chart_setup::kInitialMinutesMax);
    plot->yAxis2->setLabel(ToQ(kt::chart_text::kWeightAxisTitle));
    plot->yAxis2->setRange(weightRange.min, weightRange.max);
    plot->yAxis2->setVisible(false);
    QFont labelFont = plot->xAxis->labelFont();
    labelFont.setBold(true);
    plot->xAxis->setLabelFont(labelFont);
    plot->yAxis->setLabelFont(labelFont);
    plot->yAxis2->setLabelFont(labelFont);
    plot->xAxis->grid()->setVisible(false);

    d->exercise = new QCPBars(plot->xAxis, plot->yAxis);
    d->exercise->setName(ToQ(kt::chart_text::kExerciseSeriesName));
    d->exercise->setWidthType(QCPBars::wtAbsolute);
    d->exercise->setWidth(kt::chart_setup::kExerciseBarWidth);

    d->weight = new QCPBars(plot->xAxis, plot->yAxis2);
    d->weight->setName(ToQ(kt::chart_text::kWeightSeriesName));
    d->weight->setWidthType(QCPBars::wtAbsolute);
    d->weight->setWidth(kt::chart_setup::kWeightBarWidth);
    d->weight->setVisible(false);
    d->pair = new QCPBarsGroup(plot);
    d->pair->setSpacingType(QCPBarsGroup::stAbsolute);
    d->pair->setSpacing(1);
    ColourChart(plot, d->exercise, d->weight);
    plot->replot();
}

void CChartCtrl::SetDateAxis(double min, double max, int tickStepDays, const std::optional<std::string>& tickPattern,
                             const std::string& title) {
    if (!d->ticker) return;
    d->ticker->stepDays = std::max(1, tickStepDays);
    if (tickPattern) d->ticker->pattern = *tickPattern;
    d->plot->xAxis->setRange(min - kt::chart_setup::kDateAxisMargin, max + kt::chart_setup::kDateAxisMargin);
    d->plot->xAxis->setLabel(ToQ(title));
}

void CChartCtrl::SetData(const kt::ChartData& data) {
    if (!d->exercise) return;
    QVector<double> xs, ys;
    for (const kt::ChartPoint& p : data.exercise) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    d->exercise->setData(xs, ys, true);
    xs.clear();
    ys.clear();
    for (const kt::ChartPoint& p : data.weight) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    d->weight->setData(xs, ys, true);
    d->weight->setVisible(data.weightVisible);
    // Both bars stand on the same day; drawn over each other the narrower weight bar would hide
    // the minutes, so while weights show the two stand next to each other around the day.
    d->exercise->setBarsGroup(data.weightVisible ? d->pair : nullptr);
    d->weight->setBarsGroup(data.weightVisible ? d->pair : nullptr);
    d->plot->yAxis2->setVisible(data.weightVisible);
    d->plot->yAxis->setRange(data.minutesAxisMin, data.minutesAxisMax);
    d->plot->replot();
}

int CChartCtrl::PlotPixels() const { return d->plot->axisRect()->width(); }

double CChartCtrl::DaysPerPixel() const {
    const int pixels = PlotPixels();
    return pixels > 0 ? d->plot->xAxis->range().size() / pixels : 1.0;
}

QString CChartCtrl::DateAxisTitle() const { return d->plot->xAxis->label(); }
double CChartCtrl::DateAxisMin() const { return d->plot->xAxis->range().lower + kt::chart_setup::kDateAxisMargin; }
double CChartCtrl::DateAxisMax() const { return d->plot->xAxis->range().upper - kt::chart_setup::kDateAxisMargin; }
double CChartCtrl::MinutesAxisMax() const { return d->plot->yAxis->range().upper; }
bool CChartCtrl::WeightVisible() const { return d->weight && d->weight->visible() && d->plot->yAxis2->visible(); }

std::vector<kt::ChartPoint> CChartCtrl::ExercisePoints() const {
    std::vector<kt::ChartPoint> out;
    if (!d->exercise) return out;
    for (auto it = d->exercise->data()->constBegin(); it != d->exercise->data()->constEnd(); ++it) out.push_back({it->key, it->value});
    return out;
}

std::vector<kt::ChartPoint> CChartCtrl::WeightPoints() const {
    std::vector<kt::ChartPoint> out;
    if (!d->weight) return out;
    for (auto it = d->weight->data()->constBegin(); it != d->weight->data()->constEnd(); ++it) out.push_back({it->key, it->value});
    return out;
}

QString CChartCtrl::TickLabel(double x) const {
    if (!d->ticker) return {};
    return ToQ(kt::TickLabel(x, d->ticker->stepDays, d->ticker->pattern));
}

int CChartCtrl::XPixelOf(double x) const { return static_cast<int>(std::lround(d->plot->xAxis->coordToPixel(x))); }
QWidget* CChartCtrl::PlotWidget() const { return d->plot; }

}  // namespace kt::ui
