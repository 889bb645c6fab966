# Headers parsed once per target instead of once per file. Most of the time
# of compiling a test or a Qt window goes into parsing GoogleTest, Qt and the
# standard library; a target with a handful of such files or more takes them
# precompiled. Only headers from outside the project: a change to the
# project's own headers never rebuilds a precompiled header.
set(ORVIK_STD_HEADERS <filesystem> <fstream> <functional> <map> <memory> <optional> <sstream> <string>
                      <string_view> <vector>)
set(ORVIK_QT_HEADERS <QApplication> <QKeyEvent> <QLabel> <QLineEdit> <QPushButton> <QString> <QTimer> <QWidget>)

# orvik_precompile(TARGET [QT] [GTEST])
function(orvik_precompile target)
  cmake_parse_arguments(ARG "QT;GTEST" "" "" ${ARGN})
  set(headers ${ORVIK_STD_HEADERS})
  if(ARG_GTEST)
    list(PREPEND headers <gtest/gtest.h>)
  endif()
  if(ARG_QT)
    list(APPEND headers ${ORVIK_QT_HEADERS})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(${target} PRIVATE "SHELL:-Xclang -fno-pch-timestamp")
  endif()
endfunction()
