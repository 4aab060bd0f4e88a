# Build rules shared by the plug-in libraries and the static code they are made of.

# Code that ends up inside a plug-in: no exceptions, no RTTI, nothing visible but the exports.
function(kv_plugin_code target)
  target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
  if(NOT WIN32)
    set_target_properties(${target} PROPERTIES
      CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  endif()
endfunction()

# A deliverable plug-in: a shared library exporting DllGetClassObject and DllCanUnloadNow only.
#   kv_add_plugin(NAME kvjob SOURCES ... LIBRARIES ... [DEFINITIONS ...])
function(kv_add_plugin)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES;DEFINITIONS" ${ARGN})
  add_library(${ARG_NAME} SHARED ${ARG_SOURCES})
  kv_plugin_code(${ARG_NAME})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBRARIES})
  target_compile_definitions(${ARG_NAME} PRIVATE ${ARG_DEFINITIONS})
  if(WIN32)
    set_target_properties(${ARG_NAME} PROPERTIES PREFIX "")
    target_sources(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/common/plugin_exports.def)
    set(KV_FILE_NAME "${ARG_NAME}.dll")
    configure_file(${PROJECT_SOURCE_DIR}/common/version.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}_version.rc @ONLY)
    target_sources(${ARG_NAME} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}_version.rc)
  else()
    target_link_options(${ARG_NAME} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
