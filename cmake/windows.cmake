# What makes the Windows builds: one add-in variant per bitness, its list of
# exports, the host's callback library imported by ordinal, our stand-in for
# that library, and files free of the link time.

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KORVA_ADDIN_VARIANTS KORVA64)
  set(HOSTCALLV_DECORATION "")
else()
  set(KORVA_ADDIN_VARIANTS KORVA32)
  set(HOSTCALLV_DECORATION "@16")
endif()

# The import library is made from our own module definition, so the add-in
# names the host's entry points by ordinal alone, as the host's library
# publishes them.
set(KORVA_XLCALL32_DEF ${CMAKE_BINARY_DIR}/XLCall32.def)
configure_file(${PROJECT_SOURCE_DIR}/addin/XLCall32.def.in ${KORVA_XLCALL32_DEF} @ONLY)
set(KORVA_STANDIN_DEF ${CMAKE_BINARY_DIR}/XLCall32-standin.def)
configure_file(${PROJECT_SOURCE_DIR}/host/XLCall32-standin.def.in ${KORVA_STANDIN_DEF} @ONLY)
set(KORVA_XLCALL32_IMPLIB ${CMAKE_BINARY_DIR}/libXLCall32.a)
# dlltool names the library's symbols after its output path: a bare file name
# keeps the build folder out of them.
add_custom_command(
  OUTPUT ${KORVA_XLCALL32_IMPLIB}
  COMMAND ${CMAKE_DLLTOOL} --deterministic-libraries -d XLCall32.def -l libXLCall32.a
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${KORVA_XLCALL32_DEF}
  COMMENT "Import library of XLCall32.dll, by ordinal")
add_custom_target(xlcall32_implib DEPENDS ${KORVA_XLCALL32_IMPLIB})

# The PE headers would otherwise carry the link time; the build stamp inside
# comes from SOURCE_DATE_EPOCH, so one commit gives one file.
add_link_options(-Wl,--no-insert-timestamp)

# The export list names the callee-cleans functions of the 32-bit build
# without their @n decoration; tell the linker that this is meant rather than
# have it warn.
function(korva_undecorated_exports target)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup)
  endif()
endfunction()

# The add-in: KORVA64.xll or KORVA32.xll, exporting exactly the list in addin/.
function(korva_windows_addin target)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/addin/exports.def)
  target_link_libraries(${target} PRIVATE ${KORVA_XLCALL32_IMPLIB})
  add_dependencies(${target} xlcall32_implib)
  set_target_properties(${target} PROPERTIES SUFFIX ".xll" LINK_DEPENDS ${PROJECT_SOURCE_DIR}/addin/exports.def)
  # Shipped without its symbol table, which the loader does not read.
  target_link_options(${target} PRIVATE -s)
  korva_undecorated_exports(${target})
endfunction()

# The stand-in XLCall32.dll: HostCall and HostCallV at the host's ordinals,
# and installHost by name for our host program.
function(korva_windows_standin target)
  target_sources(${target} PRIVATE ${KORVA_STANDIN_DEF})
  set_target_properties(${target} PROPERTIES LINK_DEPENDS ${KORVA_STANDIN_DEF})
endfunction()

# The cross-built tests run under Wine from the test scripts, each program as
# a whole; listing their cases at build time would need Wine in the build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
