#include "KelvraLibrary.h"

#include <dlfcn.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KELVRA_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVRA_TEST_ASAN 1
#endif
#endif
#ifdef KELVRA_TEST_ASAN
// From the sanitizer's allocator interface (GCC ships the runtime but not its header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

#include <cstddef>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

template <typename Function>
void bind(void* handle, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    if (function == nullptr) throw std::runtime_error(std::string("missing symbol ") + name);
}

KelvraLibrary open_library() {
    void* handle = dlopen(KelvraLibrary::path(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) throw std::runtime_error(dlerror());
    KelvraLibrary library{};
    bind(handle, library.create_kernel, "create_kernel");
    bind(handle, library.destroy_kernel, "destroy_kernel");
    bind(handle, library.set_filename, "set_filename");
    bind(handle, library.set_nrows, "set_nrows");
    bind(handle, library.set_ncols, "set_ncols");
    bind(handle, library.set_xll, "set_xll");
    bind(handle, library.set_yll, "set_yll");
    bind(handle, library.set_cs, "set_cs");
    bind(handle, library.set_nodata, "set_nodata");
    bind(handle, library.set_avg, "set_avg");
    bind(handle, library.set_stddev, "set_stddev");
    bind(handle, library.set_corrx, "set_corrx");
    bind(handle, library.set_corry, "set_corry");
    bind(handle, library.set_initvalue, "set_initvalue");
    bind(handle, library.set_disttype, "set_disttype");
    bind(handle, library.initialize_kernel, "initialize_kernel");
    bind(handle, library.run_kernel_stepwise, "run_kernel_stepwise");
    bind(handle, library.shutdown_kernel, "shutdown_kernel");
    return library;
}

}  // namespace

const KelvraLibrary& KelvraLibrary::get() {
    static const KelvraLibrary library = open_library();
    return library;
}

double** start_field(int slot, const FieldSetup& setup) {
    const KelvraLibrary& k = KelvraLibrary::get();
    k.set_filename(slot, setup.file_name.c_str());
    k.set_nrows(slot, setup.nrows);
    k.set_ncols(slot, setup.ncols);
    k.set_xll(slot, setup.xll);
    k.set_yll(slot, setup.yll);
    k.set_cs(slot, setup.cs);
    k.set_nodata(slot, setup.nodata);
    k.set_avg(slot, setup.avg);
    k.set_stddev(slot, setup.stddev);
    k.set_corrx(slot, setup.corrx);
    k.set_corry(slot, setup.corry);
    k.set_initvalue(slot, setup.initvalue);
    k.set_disttype(slot, setup.disttype);
    int nrows = 0, ncols = 0;
    return k.initialize_kernel(slot, &nrows, &ncols);
}

void complete_field(int slot) {
    int row = 1, col = 1;
    KelvraLibrary::get().run_kernel_stepwise(slot, &row, &col, 1 << 30);
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

std::size_t heap_bytes_in_use() {
#ifdef KELVRA_TEST_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

std::vector<double> matrix_cells(double** matrix, int nrows, int ncols) {
    std::vector<double> cells;
    for (int r = 1; r <= nrows; ++r)
        cells.insert(cells.end(), matrix[r] + 1, matrix[r] + ncols + 1);
    return cells;
}

void KelvraTest::SetUp() {
    ASSERT_EQ(k.create_kernel(), 0);
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             (std::string("kelvra-") + test->test_suite_name() + "-" + test->name() + "-" +
              std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
}

void KelvraTest::TearDown() {
    k.destroy_kernel();
    std::filesystem::remove_all(folder);
}
