# The installed layout (GNUInstallDirs): programs in bin/, the plug-in's data in share/zep31/,
# documents in share/doc/zep31/, manual pages and bash completions where Debian keeps them. The
# build folder is laid out the same way, with the build folder standing for the prefix, and the
# programs look for their files relative to themselves: the same lookup works installed and in a
# build tree.
include(GNUInstallDirs)
foreach(dir BINDIR DATADIR DOCDIR MANDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    message(FATAL_ERROR "CMAKE_INSTALL_${dir} must be relative to the prefix: the programs find their "
                        "files relative to their own folder")
  endif()
endforeach()

set(ZEP31_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/zep31)
set(ZEP31_COMPLETION_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
# All executables land in one folder so the plug-in, the director and the platform tool find each other.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${CMAKE_INSTALL_BINDIR})
file(RELATIVE_PATH ZEP31_DATA_FROM_PROGRAM /${CMAKE_INSTALL_BINDIR} /${ZEP31_DATA_INSTALL_DIR})
file(RELATIVE_PATH ZEP31_DOCUMENTS_FROM_PROGRAM /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_DOCDIR})

# Puts a file at its installed place below the build folder (a copy, or gzip -9n with GZIP as
# Debian compresses manual pages and changelogs) and installs it from there.
# Usage: zep31_install_file(SOURCE DESTINATION_FOLDER [GZIP] [RENAME NAME])
function(zep31_install_file source destination)
  cmake_parse_arguments(ARG "GZIP" "RENAME" "" ${ARGN})
  get_filename_component(name ${source} NAME)
  if(ARG_RENAME)
    set(name ${ARG_RENAME})
  endif()
  if(ARG_GZIP)
    set(staged ${CMAKE_BINARY_DIR}/${destination}/${name}.gz)
    add_custom_command(OUTPUT ${staged}
                       COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DTARGET=${staged} -P
                               ${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake
                       DEPENDS ${source} ${PROJECT_SOURCE_DIR}/cmake/Gzip.cmake VERBATIM)
  else()
    set(staged ${CMAKE_BINARY_DIR}/${destination}/${name})
    add_custom_command(OUTPUT ${staged} COMMAND ${CMAKE_COMMAND} -E copy ${source} ${staged}
                       DEPENDS ${source} VERBATIM)
  endif()
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY ZEP31_STAGED_FILES ${staged})
  install(FILES ${staged} DESTINATION ${destination})
endfunction()
