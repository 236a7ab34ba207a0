#pragma once

// The functions of Kelvra's C interface as a table, for callers that reach the library through
// pointers: the front end (so tests may substitute single entries) and the tests that open the
// shared library by its path.
struct KelvraCalls {
    int (*create_kernel)();
    int (*destroy_kernel)();
    int (*set_filename)(int, const char*);
    int (*set_nrows)(int, int);
    int (*set_ncols)(int, int);
    int (*set_xll)(int, double);
    int (*set_yll)(int, double);
    int (*set_cs)(int, double);
    int (*set_nodata)(int, double);
    int (*set_avg)(int, double);
    int (*set_stddev)(int, double);
    int (*set_corrx)(int, double);
    int (*set_corry)(int, double);
    int (*set_initvalue)(int, int);
    int (*set_disttype)(int, int);
    double** (*initialize_kernel)(int, int*, int*);
    int (*run_kernel_stepwise)(int, int*, int*, int);
    int (*shutdown_kernel)(int, int);
};
