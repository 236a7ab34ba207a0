#include "FieldKernel.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <exception>

#include "FinalValues.h"
#include "GridText.h"
#include "SafeFileWriter.h"

namespace kelvra {

FieldKernel::FieldKernel(const KernelSlot& slot, std::size_t table_budget, SumPath path)
    : ncols_(slot.ncols),
      nrows_(slot.nrows),
      xll_(slot.xll),
      yll_(slot.yll),
      cs_(slot.cs),
      nodata_(slot.nodata),
      avg_(slot.avg),
      stddev_(slot.stddev),
      seed_(initial_seed(slot.initvalue, slot.initvalue <= 0 ? std::time(nullptr) : 0)),
      disttype_(slot.disttype),
      file_name_(slot.file_name.get()),
      matrix_(slot.nrows, slot.ncols) {
    modes_.fx = 1.0 / slot.corrx;
    modes_.fy = 1.0 / slot.corry;
    uniform_deviate(uniform_, seed_);  // the negative seed initialises the generator
    gaussian_.pending = false;
    draw_modes();
    evaluator_ = std::make_unique<FieldEvaluator>(modes_, ncols_, table_budget, path);
}

void FieldKernel::draw_modes() {
    const int count = std::max({ncols_, nrows_, kMinimumModes});
    modes_.count = count;
    modes_.amplitude = std::sqrt(2.0 / count);
    modes_.x.assign(count + 1, 0.0);
    modes_.y.assign(count + 1, 0.0);
    modes_.k.assign(count + 1, 0.0);
    modes_.theta.assign(count + 1, 0.0);
    modes_.phi.assign(count + 1, 0.0);
    for (int i = 1; i <= count; ++i) modes_.x[i] = static_cast<double>(i - 1) / (count - 1);
    for (int i = 1; i <= count; ++i) modes_.y[i] = static_cast<double>(i - 1) / (count - 1);
    for (int n = 1; n <= count; ++n) {
        modes_.theta[n] = uniform_deviate(uniform_, seed_) * kTwoPi;
        modes_.phi[n] = uniform_deviate(uniform_, seed_) * kTwoPi;
        modes_.k[n] = gaussian_deviate(uniform_, gaussian_, seed_);
    }
}

int FieldKernel::run_stepwise(int& row, int& col, int count) {
    int r = row;
    int c = col;
    if (r < 1) {
        r = 1;
        c = 1;
    }
    if (r > nrows_) return 1;
    if (c < 1) c = 1;
    if (c > ncols_) {
        // The cursor starts the next row; after the last row there is none (r < nrows_ also
        // keeps the step clear of INT_MAX).
        if (r >= nrows_) return 1;
        ++r;
        c = 1;
    }

    RowTable rows = matrix_.rows();
    long long budget = std::max(count, 1);
    for (;;) {
        const int last = static_cast<int>(std::min<long long>(ncols_, c + budget - 1));
        evaluator_->compute(r, c, last, rows[r]);
        budget -= last - c + 1;
        if (budget == 0) {
            row = r;
            col = last;
            break;
        }
        if (r == nrows_) {
            row = nrows_ + 1;
            col = ncols_ + 1;
            break;
        }
        ++r;
        c = 1;
    }
    return (row >= nrows_ && col >= ncols_) ? 1 : -1;
}

FieldKernel::WriteOutcome FieldKernel::write_and_release(bool write) {
    WriteOutcome outcome = WriteOutcome::done;
    if (write) {
        try {
            outcome = write_grid_file();
        } catch (const std::exception&) {
            outcome = WriteOutcome::failed;
        }
    }
    matrix_.release();
    return outcome;
}

FieldKernel::WriteOutcome FieldKernel::write_grid_file() {
    RowTable rows = matrix_.rows();
    if (!apply_final_values(rows, nrows_, ncols_, avg_, stddev_, disttype_)) {
        return WriteOutcome::not_finite;
    }
    SafeFileWriter file(file_name_);
    std::string text = grid_header_text(ncols_, nrows_, xll_, yll_, cs_, nodata_);
    for (int r = 1; r <= nrows_; ++r) {
        append_grid_row(text, rows[r] + 1, ncols_);
        if (text.size() >= SafeFileWriter::kChunkBytes) {
            file.write(text);
            text.clear();
        }
    }
    file.write(text);
    return file.commit() ? WriteOutcome::done : WriteOutcome::failed;
}

}  // namespace kelvra
