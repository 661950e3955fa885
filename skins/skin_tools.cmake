# The skins we ship and where their packages are built, where the skin tools are in this build
# tree, and a helper that gives a form description the built Longhorn Blue package as its
# SkinStream. Included by skins/CMakeLists.txt and usable from any other directory (targets
# named here may be defined later; CMake resolves them at the end).
#
# quarnel_description_with_skin(<in description> <object name> <out description>)
#   Writes <out description>: <in description> with the "SkinStream" value of the object named
#   <object name> replaced by the size-prefixed package; rebuilt whenever the package changes.
include_guard(DIRECTORY)

# Each id is a folder of skins/ and the package <build>/skins/<id>.skn, made by the target
# <id with _>_skin (longhorn_blue_skin, graphite_dark_skin).
set(QUARNEL_SHIPPED_SKINS longhorn-blue graphite-dark)
set(QUARNEL_SKINS_BINARY_DIR ${CMAKE_BINARY_DIR}/skins)
set(QUARNEL_LONGHORN_BLUE_SKN ${QUARNEL_SKINS_BINARY_DIR}/longhorn-blue.skn)
set(QUARNEL_GRAPHITE_DARK_SKN ${QUARNEL_SKINS_BINARY_DIR}/graphite-dark.skn)
if(QUARNEL_WINDOWS)
  # The Windows tree cannot run what it compiles: a native build of the tools (host-tools/).
  set(QUARNEL_SKIN_HOST_DIR ${QUARNEL_SKINS_BINARY_DIR}/host-tools)
  set(QUARNEL_SKINPACK_TOOL ${QUARNEL_SKIN_HOST_DIR}/skinpack/skinpack)
  set(QUARNEL_SKINGEN_TOOL ${QUARNEL_SKIN_HOST_DIR}/skingen/skingen)
  set(QUARNEL_SKINSTREAM_TOOL ${QUARNEL_SKIN_HOST_DIR}/skingen/skinstream)
  set(QUARNEL_SKIN_TOOL_TARGETS skin_host_tools)
else()
  set(QUARNEL_SKINPACK_TOOL $<TARGET_FILE:skinpack>)
  set(QUARNEL_SKINGEN_TOOL $<TARGET_FILE:skingen>)
  set(QUARNEL_SKINSTREAM_TOOL $<TARGET_FILE:skinstream>)
  set(QUARNEL_SKIN_TOOL_TARGETS skinpack skingen skinstream)
endif()

function(quarnel_description_with_skin input object output)
  get_filename_component(input ${input} ABSOLUTE)
  add_custom_command(OUTPUT ${output}
    COMMAND ${QUARNEL_SKINSTREAM_TOOL} ${QUARNEL_LONGHORN_BLUE_SKN} ${output} --into ${input} --object ${object}
    DEPENDS ${input} ${QUARNEL_LONGHORN_BLUE_SKN} longhorn_blue_skin ${QUARNEL_SKIN_TOOL_TARGETS}
    COMMENT "Putting the Longhorn Blue package into ${output}"
    VERBATIM)
endfunction()
