#pragma once
#include "KelvraCallTable.h"

// The linked library's own exports; tests may substitute single entries of a copy.
const KelvraCalls& linkedKelvra();
