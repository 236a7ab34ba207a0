# The layers of each program: tables, document and logic libraries stay free of widgets; only
# the app layer (forms, windows) uses Qt Widgets.

set(TOLMAR_WIDGET_FREE_INCLUDE ${CMAKE_CURRENT_LIST_DIR}/widget-free)

# Makes a widget header in `target`'s sources (or in a header they include) stop the build,
# also when a dependency brings the widget libraries' include folders.
function(tolmar_widget_free target)
  target_include_directories(${target} BEFORE PRIVATE ${TOLMAR_WIDGET_FREE_INCLUDE})
endfunction()

# Shows that the guard holds: a source including <QWidget> with the widget libraries' include
# folders present does not compile in a widget-free library.
function(tolmar_add_layer_leak_test)
  set(probe ${CMAKE_CURRENT_BINARY_DIR}/layer_leak_probe.cpp)
  file(WRITE ${probe} "#include <QWidget>\nint main() { return 0; }\n")
  add_test(NAME layer_leak_refused
           COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -fsyntax-only -fPIC
                   -I${TOLMAR_WIDGET_FREE_INCLUDE}
                   "-I$<JOIN:$<TARGET_PROPERTY:Qt6::Widgets,INTERFACE_INCLUDE_DIRECTORIES>,;-I>"
                   ${probe}
           COMMAND_EXPAND_LISTS)
  set_tests_properties(layer_leak_refused PROPERTIES
    PASS_REGULAR_EXPRESSION "a widget header in a widget-free library")
endfunction()
