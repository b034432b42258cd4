# What ships goes to one folder, dist/ of the build tree: the add-ins, the
# stand-in callback library and korva-host. Each finds the others beside
# itself ($ORIGIN), so the folder works wherever it is copied.
set(KORVA_DIST_DIR ${PROJECT_BINARY_DIR}/dist)

function(korva_ship target)
  set_target_properties(${target} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${KORVA_DIST_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${KORVA_DIST_DIR}
    BUILD_WITH_INSTALL_RPATH ON
    INSTALL_RPATH "$ORIGIN")
endfunction()
