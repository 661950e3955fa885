# The release files the build writes for scripts/package (release/ in the build tree: the Windows
# user's README.txt and LICENSE.txt with Windows line ends, the version), and the test suite's
# packaging check, which packs a fresh clone and inspects the archive.
if(NOT QUARNEL_WINDOWS)
  return()
endif()

set(QUARNEL_RELEASE_DIR ${CMAKE_BINARY_DIR}/release)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-readme.txt.in ${QUARNEL_RELEASE_DIR}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${QUARNEL_RELEASE_DIR}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
file(WRITE ${QUARNEL_RELEASE_DIR}/version "${QUARNEL_VERSION}\n")

# Every shipped program carries the version resource (quarnel_add_version_resource); say so here
# rather than let a new program ship without one.
foreach(program ${QUARNEL_SHIPPED_PROGRAMS})
  get_target_property(sources ${program} SOURCES)
  if(NOT sources MATCHES "${program}_version\\.rc")
    message(FATAL_ERROR "${program} is shipped but has no quarnel_add_version_resource")
  endif()
endforeach()

if(QUARNEL_TESTS)
  # Builds a release tree from a clone of the committed sources (compiles go through ccache when
  # it is there), so it runs alone: it needs both cores and would slow the window tests.
  add_test(NAME release.package
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-package ${CMAKE_SOURCE_DIR}
                   ${CMAKE_BINARY_DIR}/package-check ${CMAKE_OBJDUMP} ${QUARNEL_VERSION}
                   ${QUARNEL_SHIPPED_PROGRAMS})
  set_tests_properties(release.package PROPERTIES LABELS package TIMEOUT 1800 RUN_SERIAL TRUE)
endif()
