# What `cmake --install` puts under the prefix, and the Debian package that `cpack -G DEB`
# makes of it. The desktop entries, icons, file types and manual pages are installed by
# packaging/, the user guide by docs/.

# Kelvra: a versioned shared library with its C header and a pkg-config file.
set_target_properties(kelvra PROPERTIES
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PROJECT_VERSION_MAJOR}
  PUBLIC_HEADER ${PROJECT_SOURCE_DIR}/kernel/kelvra.h)
install(TARGETS kelvra
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The pkg-config file finds the prefix from its own place, so it stays right under any prefix.
file(RELATIVE_PATH TOLMAR_PREFIX_FROM_PKGCONFIG "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig"
     "/prefix")
configure_file(${PROJECT_SOURCE_DIR}/kernel/kelvra.pc.in ${PROJECT_BINARY_DIR}/kelvra.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/kelvra.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The programs find libkelvra beside them without a library path.
set_target_properties(vistal linara sorvek PROPERTIES
  INSTALL_RPATH "$ORIGIN/${TOLMAR_LIBDIR_FROM_BINDIR}")
install(TARGETS vistal linara sorvek RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# ---- Debian package ----
set(CPACK_PACKAGE_NAME tolmar-tools)
set(CPACK_PACKAGE_VENDOR "Tolmar modelling team")
set(CPACK_PACKAGE_CONTACT "Tolmar modelling team <tolmar-tools@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Grid viewer, result chart viewer and random field generator of the Tolmar model")
set(CPACK_PACKAGE_DESCRIPTION
    "Vistal views and edits ASCII, binary, stacked and netCDF grids. Linara charts the model's\
 result tables. Sorvek generates spatially correlated random fields through the Kelvra\
 library, which is included with its C header and pkg-config file.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libkelvra comes with the package itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/kernel)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The help opens the user guide with the desktop's opener.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
