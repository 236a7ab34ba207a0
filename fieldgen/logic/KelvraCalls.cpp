#include "KelvraCalls.h"

#include "kelvra.h"

const KelvraCalls& linkedKelvra() {
    static const KelvraCalls calls{
        create_kernel,       destroy_kernel,  set_filename, set_nrows,
        set_ncols,           set_xll,         set_yll,      set_cs,
        set_nodata,          set_avg,         set_stddev,   set_corrx,
        set_corry,           set_initvalue,   set_disttype, initialize_kernel,
        run_kernel_stepwise, shutdown_kernel,
    };
    return calls;
}
