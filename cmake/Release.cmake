# What a release carries: each Windows program's version information, made
# from the project's one version number (project() in the top CMakeLists),
# and the zip a Windows user takes, build/dist/zr780k-editor-<version>-win64.zip
# (the two programs and the README), packed by the `dist` target.

# Gives TARGET the Windows version information, DESCRIPTION its description.
function(zr_version_info target description)
  set(ZR_PROGRAM_NAME ${target})
  set(ZR_PROGRAM_FILE ${target}.exe)
  set(ZR_PROGRAM_DESCRIPTION ${description})
  set(rc ${CMAKE_BINARY_DIR}/${target}-version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

set(ZR_DIST_DIR ${CMAKE_BINARY_DIR}/../dist CACHE PATH "Where the release zip is made")
set(ZR_DIST_ZIP ${ZR_DIST_DIR}/zr780k-editor-${PROJECT_VERSION}-win64.zip)

# The zip holds the files side by side, without folders; the programs
# without their debugging information (a fifth of their size).
function(zr_add_dist)
  set(stage ${CMAKE_BINARY_DIR}/dist-stage)
  add_custom_command(
    OUTPUT ${ZR_DIST_ZIP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage} ${ZR_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zr780k-editor> $<TARGET_FILE:zr780k-job>
            ${CMAKE_SOURCE_DIR}/README.md ${stage}
    COMMAND ${CMAKE_STRIP} ${stage}/zr780k-editor.exe ${stage}/zr780k-job.exe
    COMMAND ${CMAKE_COMMAND} -E rm -f ${ZR_DIST_ZIP}
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${ZR_DIST_ZIP} --format=zip
            zr780k-editor.exe zr780k-job.exe README.md
    DEPENDS zr780k-editor zr780k-job ${CMAKE_SOURCE_DIR}/README.md
    COMMENT "Packing ${ZR_DIST_ZIP}")
  add_custom_target(dist ALL DEPENDS ${ZR_DIST_ZIP})
endfunction()
