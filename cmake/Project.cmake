# Layers, source and test registration shared by every directory.
#
# The code is five layers, lowest first: core, job, toolkit, components,
# editor.
# Each layer is one library that links only the layer below it. Includes are
# written from the repository root ("core/data.h"), so the repository root is
# not an include directory: each layer compiles against an include root in
# the build tree (layers/<layer>/) that holds links to its own folder and to
# those of the layers below, and nothing else. An include of a higher layer
# finds no file and fails to build. Tests, benchmarks and fuzzers add a root
# that holds the tests and bench folders.
#
# Each directory lists its sources in two groups: PORTABLE sources use no
# platform service and are built in every build (the native sanitizer build
# included); WINDOWS sources are built only for Windows. The layer is the
# directory's top folder.

set(ZR_LAYERS core job toolkit components editor)
# Side layers stand on one layer of the chain and nothing above it: the
# command-line program's code (cli) links the job's rules and the core only.
set(ZR_SIDE_LAYERS cli)
set(ZR_BASE_cli job)
set(ZR_LAYER_ROOTS ${CMAKE_BINARY_DIR}/layers)
set(ZR_EXTRAS_ROOT ${ZR_LAYER_ROOTS}/extras)

# The layer a source or test directory belongs to: its top folder, or for
# tests/<layer>/... the folder below tests.
function(zr_layer_of dir out)
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${dir})
  string(REPLACE "/" ";" parts "${rel}")
  list(GET parts 0 top)
  if(top STREQUAL "tests")
    list(GET parts 1 top)
  endif()
  if(NOT top IN_LIST ZR_LAYERS AND NOT top IN_LIST ZR_SIDE_LAYERS)
    message(FATAL_ERROR "${dir} is in no layer (${ZR_LAYERS} ${ZR_SIDE_LAYERS})")
  endif()
  set(${out} ${top} PARENT_SCOPE)
endfunction()

# layers/<layer>/ with a link to each folder of this layer and those below
# (for a side layer: its own folder and those of its base and below).
function(zr_make_layer_root layer)
  set(root ${ZR_LAYER_ROOTS}/${layer})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  set(top ${layer})
  if(layer IN_LIST ZR_SIDE_LAYERS)
    set(top ${ZR_BASE_${layer}})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${layer} ${root}/${layer} SYMBOLIC)
  endif()
  foreach(l IN LISTS ZR_LAYERS)
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${l} ${root}/${l} SYMBOLIC)
    if(l STREQUAL top)
      break()
    endif()
  endforeach()
endfunction()

foreach(layer IN LISTS ZR_LAYERS ZR_SIDE_LAYERS)
  zr_make_layer_root(${layer})
endforeach()
file(REMOVE_RECURSE ${ZR_EXTRAS_ROOT})
file(MAKE_DIRECTORY ${ZR_EXTRAS_ROOT})
foreach(extra tests bench)
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${extra} ${ZR_EXTRAS_ROOT}/${extra} SYMBOLIC)
endforeach()

function(zr_sources)
  cmake_parse_arguments(ARG "" "" "PORTABLE;WINDOWS" ${ARGN})
  zr_layer_of(${CMAKE_CURRENT_SOURCE_DIR} layer)
  foreach(src IN LISTS ARG_PORTABLE)
    set_property(GLOBAL APPEND PROPERTY ZR_${layer}_PORTABLE ${CMAKE_CURRENT_SOURCE_DIR}/${src})
  endforeach()
  foreach(src IN LISTS ARG_WINDOWS)
    set_property(GLOBAL APPEND PROPERTY ZR_${layer}_WINDOWS ${CMAKE_CURRENT_SOURCE_DIR}/${src})
  endforeach()
endfunction()

# One layer's library from the sources its directories registered, linking
# `below`. In the Windows build a further object library compiles every
# header of the layer against the layer's root alone, so that a header no
# source of its own layer includes is held to the layers as well.
function(zr_add_layer_library layer below)
  get_property(sources GLOBAL PROPERTY ZR_${layer}_PORTABLE)
  if(WIN32)
    get_property(windows GLOBAL PROPERTY ZR_${layer}_WINDOWS)
    list(APPEND sources ${windows})
  endif()
  add_library(zr_${layer} STATIC ${sources})
  target_include_directories(zr_${layer} PUBLIC ${ZR_LAYER_ROOTS}/${layer})
  if(below)
    target_link_libraries(zr_${layer} PUBLIC zr_${below})
  endif()
  if(WIN32)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
         ${CMAKE_SOURCE_DIR}/${layer}/*.h)
    set(text "// Generated: every header of the ${layer} layer.\n")
    foreach(h IN LISTS headers)
      string(APPEND text "#include \"${h}\"\n")
    endforeach()
    set(check ${ZR_LAYER_ROOTS}/${layer}_headers.cpp)
    file(CONFIGURE OUTPUT ${check} CONTENT "${text}")
    add_library(zr_${layer}_headers OBJECT ${check})
    target_include_directories(zr_${layer}_headers PRIVATE ${ZR_LAYER_ROOTS}/${layer})
    add_dependencies(zr_${layer} zr_${layer}_headers)
  endif()
endfunction()

# One library per layer, zr_<layer>, each linking the one below; a side
# layer links its base.
function(zr_add_layer_libraries)
  set(below "")
  foreach(layer IN LISTS ZR_LAYERS)
    zr_add_layer_library(${layer} "${below}")
    set(below ${layer})
  endforeach()
  foreach(layer IN LISTS ZR_SIDE_LAYERS)
    zr_add_layer_library(${layer} ${ZR_BASE_${layer}})
  endforeach()
endfunction()

# zr_tests(NAME [ALONE] [LOCK resource] PORTABLE a.cpp ... WINDOWS b.cpp ...)
# PORTABLE tests become NAME (every build); WINDOWS tests become NAME_win
# (Windows build only, run under Wine). A test links the library of its
# directory's layer only, so it builds and runs without the layers above.
# ALONE tests run while no other test runs (real key and mouse input goes to
# the foreground window, which a test running beside them could take).
# Tests sharing a LOCK resource (the clipboard, say) never run at once.
function(zr_tests name)
  cmake_parse_arguments(ARG "ALONE" "LOCK" "PORTABLE;WINDOWS" ${ARGN})
  set(lock "")
  if(ARG_LOCK)
    set(lock RESOURCE_LOCK ${ARG_LOCK})
  endif()
  zr_layer_of(${CMAKE_CURRENT_SOURCE_DIR} layer)
  if(ARG_PORTABLE)
    add_executable(${name} ${ARG_PORTABLE})
    target_link_libraries(${name} PRIVATE zr_${layer} GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${ZR_EXTRAS_ROOT})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT 120)
  endif()
  if(WIN32 AND ARG_WINDOWS)
    add_executable(${name}_win ${ARG_WINDOWS})
    target_link_libraries(${name}_win PRIVATE zr_${layer} GTest::gtest_main)
    target_include_directories(${name}_win PRIVATE ${ZR_EXTRAS_ROOT})
    gtest_discover_tests(${name}_win DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES TIMEOUT 120 RUN_SERIAL ${ARG_ALONE} ${lock})
  endif()
endfunction()
