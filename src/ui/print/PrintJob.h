#pragma once
// Paints a laid-out printout (core's PrintPlan) on a QPrinter, and measures texts with the
// printer's own fonts so that core can lay the pages out for that device.

#include <memory>

#include "core/print/PrintLayout.h"

class QPrinter;

namespace kt::ui {

class PrintJob {
public:
    // The printer must outlive the job. It is set to portrait and to the resolution the table's
    // device units were chosen for.
    explicit PrintJob(QPrinter& printer);
    ~PrintJob();

    kt::PrintDevice Device() const;
    const kt::TextMeasurer& Measurer() const;
    // Prints every page of `plan` as one document; false when the printer (or the output file)
    // could not be started.
    bool Print(const kt::PrintPlan& plan);

    // The dots per inch the table's columns and margins are measured in.
    static constexpr int kResolution = 600;

private:
    class QtMeasurer;
    QPrinter& m_printer;
    std::unique_ptr<QtMeasurer> m_measurer;
};

}  // namespace kt::ui
