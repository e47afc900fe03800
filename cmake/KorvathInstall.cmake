# The install layout (GNUInstallDirs): programs in bin/, the exporter plug-in in the toolkit's
# library folder, the files each program ships in share/korvath-toolkit/<tool>/. Programs find
# the last two relative to their own folder, so an installed tree can be moved as a whole.
include(GNUInstallDirs)

set(KORVATH_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/korvath-toolkit")
set(KORVATH_INSTALL_PLUGINDIR "${CMAKE_INSTALL_LIBDIR}/korvath-toolkit")
foreach(dir CMAKE_INSTALL_BINDIR KORVATH_INSTALL_DATADIR KORVATH_INSTALL_PLUGINDIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir} must be relative to the prefix (programs find their files from bin/)")
  endif()
endforeach()
file(RELATIVE_PATH KORVATH_DATA_FROM_BIN "/p/${CMAKE_INSTALL_BINDIR}" "/p/${KORVATH_INSTALL_DATADIR}")
file(RELATIVE_PATH KORVATH_PLUGIN_FROM_BIN "/p/${CMAKE_INSTALL_BINDIR}" "/p/${KORVATH_INSTALL_PLUGINDIR}")

# korvath_config.h: the version and the layout above, for the code.
set(KORVATH_GENERATED_DIR "${PROJECT_BINARY_DIR}/generated")
configure_file("${CMAKE_CURRENT_LIST_DIR}/korvath_config.h.in" "${KORVATH_GENERATED_DIR}/korvath_config.h" @ONLY)

# korvath_install_programs(TARGET...): window and command-line programs into bin/.
function(korvath_install_programs)
  if(NOT KORVATH_FUZZ_ONLY)
    install(TARGETS ${ARGN} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  endif()
endfunction()

# korvath_install_shipped(TOOL [SUBDIR DIR] FILES...): files a program reads beside itself
# in the build tree, into share/korvath-toolkit/TOOL[/DIR].
function(korvath_install_shipped tool)
  cmake_parse_arguments(S "" "SUBDIR" "FILES" ${ARGN})
  if(NOT KORVATH_FUZZ_ONLY)
    install(FILES ${S_FILES} DESTINATION "${KORVATH_INSTALL_DATADIR}/${tool}/${S_SUBDIR}")
  endif()
endfunction()
