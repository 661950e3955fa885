# The project's one version number and the two ways it reaches the programs: a generated header
# (quarnel_version.h) and a Windows version resource. Included by the top-level project and by the
# native skin tools build inside the Windows tree, so it defines everything it needs itself.
include_guard(GLOBAL)

set(QUARNEL_VERSION 1.0.0)
set(QUARNEL_PRODUCT_NAME "Quarnel")
set(QUARNEL_COMPANY "the Quarnel developers")
set(QUARNEL_COPYRIGHT "Copyright (C) 2026 the Quarnel developers")

# quarnel_use_version(<target>)
#   Lets <target> include "quarnel_version.h" (the version, product name and copyright).
function(quarnel_use_version target)
  string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" parts "${QUARNEL_VERSION}")
  set(QUARNEL_VERSION_MAJOR ${CMAKE_MATCH_1})
  set(QUARNEL_VERSION_MINOR ${CMAKE_MATCH_2})
  set(QUARNEL_VERSION_PATCH ${CMAKE_MATCH_3})
  set(dir ${CMAKE_BINARY_DIR}/generated)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/quarnel_version.h.in ${dir}/quarnel_version.h @ONLY)
  target_include_directories(${target} PUBLIC ${dir})
endfunction()

# quarnel_add_version_resource(<target> <description>)
#   Stamps a program of the Windows build with a version resource: file and product version,
#   product name, <description> (plain text, shown as the file description), copyright and file
#   name. Does nothing in the native build.
function(quarnel_add_version_resource target description)
  if(NOT QUARNEL_WINDOWS)
    return()
  endif()
  if(description MATCHES "[\"\\\\]")
    message(FATAL_ERROR "quarnel_add_version_resource: no quotes or backslashes in \"${description}\"")
  endif()
  # Windows keeps four 16-bit numbers: major, minor, patch and a build number we leave at 0.
  string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" parts "${QUARNEL_VERSION}")
  if(NOT parts)
    message(FATAL_ERROR "QUARNEL_VERSION must be major.minor.patch, not ${QUARNEL_VERSION}")
  endif()
  set(numbers "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3},0")
  set(FILE_NAME "$<TARGET_FILE_NAME:${target}>")
  set(INTERNAL_NAME "${target}")
  set(DESCRIPTION "${description}")
  set(VERSION_NUMBERS "${numbers}")
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(FILE_TYPE 0x2)  # VFT_DLL
  else()
    set(FILE_TYPE 0x1)  # VFT_APP
  endif()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version.rc.in ${rc}.in @ONLY)
  file(GENERATE OUTPUT ${rc} INPUT ${rc}.in)
  target_sources(${target} PRIVATE ${rc})
endfunction()
