#pragma once

// What the driving loop reads and writes of a running generator's progress window: the status
// word (-1 running, 1 finished, 2 cancelled), the gauge and the preview.
class GeneratorMonitor {
public:
    virtual ~GeneratorMonitor() = default;
    virtual int GetStatus() const = 0;
    virtual void SetStatus(int status) = 0;
    // Progress in per mille of the cells; values past 1000 mean done.
    virtual void setProgress(int perMille) = 0;
    // The cells from (startRow, startCol) to (endRow, endCol) in row-major order are computed.
    virtual void GridPaint(int startRow, int startCol, int endCol, int endRow) = 0;
};
