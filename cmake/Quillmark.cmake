# SPDX-License-Identifier: GPL-3.0-or-later
# Shared build settings and the two helpers every module uses: qm_library() and qm_test().

set(QM_WARNINGS -Wall -Wextra -Wpedantic -Wshadow=local -Wnon-virtual-dtor -Woverloaded-virtual)
if(QM_WERROR)
  list(APPEND QM_WARNINGS -Werror)
endif()
if(QM_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Every conversion between program text (code page 1252) and QString must be visible.
set(QM_QT_DEFINES QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)

function(qm_apply_settings target)
  target_compile_options(${target} PRIVATE ${QM_WARNINGS})
  target_compile_definitions(${target} PRIVATE ${QM_QT_DEFINES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# qm_library(name SOURCES ... [LIBS ...])
function(qm_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  qm_apply_settings(${name})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# Tests never ask the maker's server: the version file's address is a closed port on this machine
# unless a test sets its own.
set(QM_TEST_UPDATE_URL "QUILLMARK_UPDATE_URL=http://127.0.0.1:9/QMKVersion.txt")

# qm_test(name SOURCES ... [LIBS ...] [GUI])
# One executable per module, registered with CTest. GUI tests get a main() that
# creates a QApplication on Qt's offscreen platform.
function(qm_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  qm_apply_settings(${name})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} qm_test_support GTest::gtest Qt6::Test)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} qm_test_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUILLMARK_SOURCE_DIR=${PROJECT_SOURCE_DIR};${QM_TEST_UPDATE_URL};${ARG_ENVIRONMENT}"
    TIMEOUT 600
    # A program whose tests were all skipped (a fault this machine cannot set up) shows as Not Run.
    SKIP_RETURN_CODE 77)
endfunction()

# The program's forms and their routines call each other across modules, so they build as one
# library, qm_forms (made in app/CMakeLists.txt once every module has added to it):
#   qm_form_sources(SOURCES file.cpp ... [LIBS lib ...])
function(qm_form_sources)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  foreach(src ${ARG_SOURCES})
    get_filename_component(abs ${src} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    set_property(GLOBAL APPEND PROPERTY QM_FORM_SOURCES ${abs})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY QM_FORM_LIBS ${ARG_LIBS})
endfunction()
