#pragma once
#include <cstddef>
#include <memory>

// One grid level: nrows rows of ncols doubles in one block, row 0 the northern edge.
class GridRows {
public:
    GridRows() = default;
    // The cells are not initialised: readers fill every cell or fail.
    GridRows(int rowCount, int columnCount);
    // Every cell set to `value`.
    GridRows(int rowCount, int columnCount, double value);

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }
    std::size_t cellCount() const { return static_cast<std::size_t>(rows_) * columns_; }

    double* row(int i) { return cells_.get() + static_cast<std::size_t>(i) * columns_; }
    const double* row(int i) const {
        return cells_.get() + static_cast<std::size_t>(i) * columns_;
    }
    double& at(int r, int c) { return row(r)[c]; }
    double at(int r, int c) const { return row(r)[c]; }
    double* data() { return cells_.get(); }
    const double* data() const { return cells_.get(); }

private:
    // The block comes from allocateLargeBlock: large levels lie on huge pages.
    struct FreeCells {
        void operator()(double* cells) const;
    };
    std::unique_ptr<double[], FreeCells> cells_;
    int rows_ = 0;
    int columns_ = 0;
};

// Releases a level in one call; a null level is fine. The pointer becomes null.
inline void FreeGridRows(std::unique_ptr<GridRows>& rows) { rows.reset(); }
