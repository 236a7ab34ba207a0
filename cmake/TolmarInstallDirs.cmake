# Where the suite installs, under CMAKE_INSTALL_PREFIX. Libraries go to lib/<multiarch> on
# Debian whatever the prefix, so that a package and an install into any folder look alike.
# (GNUInstallDirs itself does so only for the prefix /usr.)
if(CMAKE_LIBRARY_ARCHITECTURE AND (NOT DEFINED CMAKE_INSTALL_LIBDIR OR CMAKE_INSTALL_LIBDIR STREQUAL "lib"))
  set(CMAKE_INSTALL_LIBDIR "lib/${CMAKE_LIBRARY_ARCHITECTURE}" CACHE PATH
      "Object code libraries (lib/<multiarch>)" FORCE)
endif()
include(GNUInstallDirs)

# The user guide, and the guide as the programs find it from their own folder, installed or in
# the build tree (every program is one folder below the top of the build tree).
set(TOLMAR_GUIDE_INSTALL_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/tolmar-tools/guide")
file(RELATIVE_PATH TOLMAR_GUIDE_FROM_BINDIR "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${TOLMAR_GUIDE_INSTALL_DIR}")
set(TOLMAR_GUIDE_BUILD_DIR "${PROJECT_BINARY_DIR}/docs/guide")
# Installed programs find libkelvra from their own folder, without a library path.
file(RELATIVE_PATH TOLMAR_LIBDIR_FROM_BINDIR "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${CMAKE_INSTALL_LIBDIR}")
# The palette files that come with the suite, installed and in the build tree (the programs look
# for them from their own folder, as for the guide).
set(TOLMAR_PALETTE_INSTALL_DIR "${CMAKE_INSTALL_DATAROOTDIR}/tolmar-tools/palettes")
file(RELATIVE_PATH TOLMAR_PALETTES_FROM_BINDIR "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${TOLMAR_PALETTE_INSTALL_DIR}")
set(TOLMAR_PALETTE_BUILD_DIR "${PROJECT_BINARY_DIR}/palettes")
