# Helpers shared by every subsystem's CMakeLists.txt.
include(GoogleTest)

# quarnel_add_test(<name> SOURCES <files...> [LIBS <targets...>] [WINDOWS_ONLY] [OWN_MAIN]
#                  [LABELS <labels...>] [TIMEOUT <seconds>])
# A GoogleTest program. In the Windows build it runs under Wine; in the native build under the
# sanitizers. WINDOWS_ONLY tests are skipped in the native build.
function(quarnel_add_test name)
  cmake_parse_arguments(T "WINDOWS_ONLY;OWN_MAIN" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_WINDOWS_ONLY AND NOT QUARNEL_WINDOWS)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} quarnel_test_support GTest::gtest)
  if(NOT T_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  if(QUARNEL_WINDOWS)
    set_target_properties(${name} PROPERTIES SUFFIX ".exe")
  endif()
  # Windows tests share one desktop (focus, activation, the screen): they run one at a time.
  set(props TIMEOUT ${T_TIMEOUT})
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  if(QUARNEL_WINDOWS)
    list(APPEND props RESOURCE_LOCK wine_desktop)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${props}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# quarnel_add_fuzzer(<name> SOURCES <files...> LIBS <targets...> CORPUS <dir>)
# A libFuzzer target (native clang build with QUARNEL_FUZZ only), plus a short smoke run in CTest.
function(quarnel_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  if(QUARNEL_WINDOWS OR NOT QUARNEL_FUZZ)
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  # New inputs go to a scratch folder in the build tree, never into the committed seeds.
  set(scratch ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
  file(MAKE_DIRECTORY ${scratch})
  add_test(NAME ${name}.smoke
           COMMAND ${name} -max_total_time=5 -rss_limit_mb=1024 -timeout=10 ${scratch} ${F_CORPUS})
  set_tests_properties(${name}.smoke PROPERTIES TIMEOUT 60 LABELS fuzz)
endfunction()

# quarnel_test_uses_builtin_skin(<target>)
# A Windows test that reads the built-in skin: its source folder, package and SkinStream text as
# LONGHORN_BLUE_DIR, LONGHORN_BLUE_SKN (also QUARNEL_LONGHORN_BLUE_SKN) and LONGHORN_BLUE_STREAM;
# it builds after the skin. Nothing happens when the target does not exist in this build.
function(quarnel_test_uses_builtin_skin target)
  if(NOT TARGET ${target})
    return()
  endif()
  target_compile_definitions(${target} PRIVATE QUARNEL_LONGHORN_BLUE_SKN="${QUARNEL_LONGHORN_BLUE_SKN}"
    LONGHORN_BLUE_DIR="${QUARNEL_LONGHORN_BLUE_DIR}" LONGHORN_BLUE_SKN="${QUARNEL_LONGHORN_BLUE_SKN}"
    LONGHORN_BLUE_STREAM="${QUARNEL_LONGHORN_BLUE_STREAM}" LONGHORN_BLUE_FORM="")
  add_dependencies(${target} longhorn_blue_skin)
endfunction()

# quarnel_add_control_skin_test(<name> <sources...>)
# The window test of a control skin in one line: a Windows GoogleTest program on the whole skin
# engine and its bitmap resources that knows the built-in skin's package
# (QUARNEL_LONGHORN_BLUE_SKN) and the screenshot folder (QUARNEL_SHOTS) and builds after the skin.
function(quarnel_add_control_skin_test name)
  if(NOT QUARNEL_WINDOWS OR NOT TARGET longhorn_blue_skin)
    return()
  endif()
  quarnel_add_test(${name} SOURCES ${ARGN} LIBS quarnel_skin_manager quarnel_skin_resources
                   WINDOWS_ONLY TIMEOUT 300)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/screenshots)
  target_compile_definitions(${name} PRIVATE QUARNEL_SHOTS="${CMAKE_BINARY_DIR}/screenshots")
  quarnel_test_uses_builtin_skin(${name})
endfunction()
