# Precompiled headers for the targets whose sources spend most of their compile time in the
# same system headers: the Qt modules, QCustomPlot and GoogleTest.
#   tolmar_precompile(TARGET KIND...)   KIND: qtcore qtgui qtwidgets qcustomplot gtest qttest
# Turned off with -DTOLMAR_PRECOMPILE=OFF (for example to check that every file includes what it
# uses).
option(TOLMAR_PRECOMPILE "Precompile the Qt and GoogleTest headers of the larger targets" ON)

set(TOLMAR_PCH_std <algorithm> <cmath> <cstdint> <functional> <memory> <optional> <string>
    <string_view> <vector>)
set(TOLMAR_PCH_qtcore <QString> <QStringList> <QFile> <QFileInfo> <QDir> <QObject>)
set(TOLMAR_PCH_qtgui <QColor> <QImage> <QPainter> <QGuiApplication>)
set(TOLMAR_PCH_qtwidgets <QApplication> <QWidget> <QMainWindow> <QLabel> <QLineEdit>
    <QPushButton> <QCheckBox> <QAction> <QMenu> <QMenuBar> <QListWidget> <QTimer>)
set(TOLMAR_PCH_qcustomplot <qcustomplot.h>)
set(TOLMAR_PCH_gtest <gtest/gtest.h>)
set(TOLMAR_PCH_qttest <QTest> <QSignalSpy> <QTemporaryDir>)

function(tolmar_precompile target)
  if(NOT TOLMAR_PRECOMPILE)
    return()
  endif()
  set(headers ${TOLMAR_PCH_std})
  foreach(kind IN LISTS ARGN)
    if(NOT DEFINED TOLMAR_PCH_${kind})
      message(FATAL_ERROR "tolmar_precompile: unknown kind ${kind}")
    endif()
    list(APPEND headers ${TOLMAR_PCH_${kind}})
  endforeach()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# The targets of nine sources or more, with the system headers their sources share. Making a
# precompiled header costs about as much as it saves in five sources of a Qt and GoogleTest
# test (measured: 127 s of CPU for charts_window_test either way), so smaller targets go
# without. The Qt headers define the words slots, signals and emit, so a target whose sources
# use them as names (the grid document's netCDF code) gets no Qt headers precompiled. Called
# once all targets exist; a target missing in this configuration is left out.
function(tolmar_precompile_targets)
  set(plan
    "common:qtcore,qtgui"
    "components:qtcore,qtgui,qtwidgets,qcustomplot"
    "document_test:gtest"
    "vistal_display:qtcore,qtgui"
    "vistal_app:qtcore,qtgui,qtwidgets"
    "viewer_test:gtest,qttest,qtcore,qtgui,qtwidgets"
    "linara_logic:qtcore,qtgui"
    "linara_app:qtcore,qtgui,qtwidgets,qcustomplot"
    "charts_test:gtest,qtcore"
    "sorvek_logic:qtcore,qtgui")
  foreach(entry IN LISTS plan)
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 target)
    list(GET parts 1 kinds)
    string(REPLACE "," ";" kinds "${kinds}")
    if(TARGET ${target})
      tolmar_precompile(${target} ${kinds})
    endif()
  endforeach()
endfunction()
