#pragma once

// Where a generator stands. The numbers are Kelvra's: run_kernel_stepwise returns -1 while
// cells remain and 1 after the last one, and shutdown_kernel writes the field for mode 1 and
// discards it for mode 2.
enum class GeneratorStatus { Idle = 0, Running = -1, Finished = 1, Cancelled = 2 };

// What the driving loop reads and writes of a running generator's progress window: the status,
// the gauge and the preview.
class GeneratorMonitor {
public:
    virtual ~GeneratorMonitor() = default;
    virtual GeneratorStatus GetStatus() const = 0;
    virtual void SetStatus(GeneratorStatus status) = 0;
    // Progress in per mille of the cells; values past 1000 mean done.
    virtual void setProgress(int perMille) = 0;
    // The cells from (startRow, startCol) to (endRow, endCol) in row-major order are computed.
    virtual void GridPaint(int startRow, int startCol, int endCol, int endRow) = 0;
};
