# What keeps a clean build of everything short on two cores.
#
# Precompiled headers: most of a file's compile time goes into the standard
# library, the toolkit and the test framework, the same headers every time;
# each target compiles its set once. zq_precompile(target SET...) takes the sets
# below by name.
set(ZQ_PCH_STD
  <algorithm> <array> <cstdint> <filesystem> <functional> <map> <memory>
  <optional> <span> <string> <string_view> <utility> <vector>)
set(ZQ_PCH_QT
  <QApplication> <QCheckBox> <QComboBox> <QDialog> <QGridLayout> <QGroupBox>
  <QHBoxLayout> <QHeaderView> <QKeyEvent> <QLabel> <QLineEdit> <QMdiArea>
  <QMdiSubWindow> <QPushButton> <QString> <QTableWidget> <QTimer> <QVBoxLayout> <QWidget>)
set(ZQ_PCH_TEST <gtest/gtest.h> <gmock/gmock.h> <fstream> <random> <set>)
set(ZQ_PCH_QTEST <QTest> <QSignalSpy> <QAction> <QMenuBar> <QSettings> <QTreeWidget>)
set(ZQ_PCH_JSON <nlohmann/json.hpp>)
set(ZQ_PCH_CLI <CLI/CLI.hpp> <iostream>)

option(ZQ_PRECOMPILED_HEADERS "Compile the common headers once per target" ON)

function(zq_precompile target)
  if(NOT ZQ_PRECOMPILED_HEADERS)
    return()
  endif()
  set(headers "")
  foreach(set ${ARGN})
    list(APPEND headers ${ZQ_PCH_${set}})
  endforeach()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# Test programs: their files are compiled in batches of eight (one compile
# reads the framework's headers for eight files), optimised lightly and with
# line tables only; a failing test still shows file and line.
function(zq_test_build target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  if(NOT MSVC)
    target_compile_options(${target} PRIVATE -O1 -g1)
  endif()
endfunction()

# The libraries: many short files, each of which spends most of its time on the
# same headers; compiled eight to a batch.
function(zq_library_build target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
endfunction()
