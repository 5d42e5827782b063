#pragma once
// The exercise chart: a bottom date axis in OLE days with strftime-style day labels, a left
// minutes axis, a right weight axis and two bar series. QCustomPlot does the drawing; its header
// stays inside ChartCtrl.cpp because it is expensive to compile.

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/chart/ChartFill.h"

namespace kt::ui {

class CChartCtrl : public QWidget {
    Q_OBJECT
public:
    enum class Axis { Bottom, Left, Right, None };

    explicit CChartCtrl(QWidget* parent = nullptr);
    ~CChartCtrl() override;

    // Creates axes and series with the program's fixed set-up; weight axis from `weightRange`.
    void Setup(const kt::AxisRange& weightRange);

    // Date axis: range in OLE days, tick step in days, label pattern (none keeps the last one) and
    // title. Drawn with the next SetData, which always follows: one drawing, not two.
    void SetDateAxis(double min, double max, int tickStepDays, const std::optional<std::string>& tickPattern, const std::string& title);
    // Replaces both series and the minutes axis range; shows or hides weight series and axis.
    void SetData(const kt::ChartData& data);

    // Double-click: the clicked axis (Bottom for the plot area) and the x value in OLE days.
    std::function<void(Axis axis, double x)> onDoubleClick;
    // The plot area changed its width in pixels (a resize, or axis labels of another width).
    std::function<void(int pixels)> onPlotWidthChanged;

    // Width of the plot area in pixels, and how many axis days one pixel spans.
    int PlotPixels() const;
    double DaysPerPixel() const;

    // For tests and the screenshot: what the chart shows now.
    QString DateAxisTitle() const;
    double DateAxisMin() const;
    double DateAxisMax() const;
    double MinutesAxisMax() const;
    bool WeightVisible() const;
    std::vector<kt::ChartPoint> ExercisePoints() const;
    std::vector<kt::ChartPoint> WeightPoints() const;
    QString TickLabel(double x) const;
    // Screen x position (widget coordinates) of an OLE day.
    int XPixelOf(double x) const;
    QWidget* PlotWidget() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kt::ui
