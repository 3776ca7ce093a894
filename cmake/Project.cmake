# Source and test registration shared by every directory.
#
# Each directory lists its sources in two groups: PORTABLE sources use no
# platform service and are built in every build (the native sanitizer build
# included); WINDOWS sources are built only for Windows.

define_property(GLOBAL PROPERTY ZR_PORTABLE_SOURCES BRIEF_DOCS "x" FULL_DOCS "x")
define_property(GLOBAL PROPERTY ZR_WINDOWS_SOURCES BRIEF_DOCS "x" FULL_DOCS "x")

function(zr_sources)
  cmake_parse_arguments(ARG "" "" "PORTABLE;WINDOWS" ${ARGN})
  foreach(src IN LISTS ARG_PORTABLE)
    set_property(GLOBAL APPEND PROPERTY ZR_PORTABLE_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${src})
  endforeach()
  foreach(src IN LISTS ARG_WINDOWS)
    set_property(GLOBAL APPEND PROPERTY ZR_WINDOWS_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${src})
  endforeach()
endfunction()

# zr_tests(NAME PORTABLE a.cpp ... WINDOWS b.cpp ...)
# PORTABLE tests become NAME (every build); WINDOWS tests become NAME_win
# (Windows build only, run under Wine).
function(zr_tests name)
  cmake_parse_arguments(ARG "" "" "PORTABLE;WINDOWS" ${ARGN})
  if(ARG_PORTABLE)
    add_executable(${name} ${ARG_PORTABLE})
    target_link_libraries(${name} PRIVATE zr_portable GTest::gtest_main)
    if(WIN32)
      target_link_libraries(${name} PRIVATE zr_windows)
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT 120)
  endif()
  if(WIN32 AND ARG_WINDOWS)
    add_executable(${name}_win ${ARG_WINDOWS})
    target_link_libraries(${name}_win PRIVATE zr_windows zr_portable GTest::gtest_main)
    gtest_discover_tests(${name}_win DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT 120)
  endif()
endfunction()
