# Keeps the core free of Qt.
#
# tanvorel_forbid_qt(<target>) checks every source and header of the target:
#  - no #include may name a Qt header (<QFoo>, <QtCore/...>, <qt6/...>, "qfoo.h"),
#  - every project header it includes with quotes must itself belong to the
#    target, so a core file cannot reach Qt through a view header.
# The check runs when CMake configures and again before every build of the
# target, so an edit that brings Qt into the core fails the build.

set(TANVOREL_NO_QT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/check_no_qt.cmake)

function(tanvorel_forbid_qt target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  set(files "")
  foreach(f IN LISTS sources)
    get_filename_component(abs "${f}" ABSOLUTE BASE_DIR "${source_dir}")
    list(APPEND files "${abs}")
  endforeach()
  list(JOIN files "|" joined)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DFILES=${joined} -DROOT=${CMAKE_SOURCE_DIR} -P ${TANVOREL_NO_QT_SCRIPT}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${out}${err}")
  endif()
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_no_qt.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DFILES=${joined}" -DROOT=${CMAKE_SOURCE_DIR} -P ${TANVOREL_NO_QT_SCRIPT}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${files} ${TANVOREL_NO_QT_SCRIPT}
    COMMENT "Checking that ${target} includes no Qt"
    VERBATIM)
  add_custom_target(${target}_no_qt DEPENDS ${stamp})
  add_dependencies(${target} ${target}_no_qt)
endfunction()
