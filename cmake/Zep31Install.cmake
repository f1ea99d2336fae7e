# What `cmake --install` and the Debian package put where, each file staged at the same place below
# the build folder first (see Zep31Layout.cmake).
install(TARGETS zep31-plugin lnsdirector lns-netdb zep31ctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The data the platform installs into a LonWorks home.
file(GLOB_RECURSE data_files CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/data
     ${PROJECT_SOURCE_DIR}/data/import/* ${PROJECT_SOURCE_DIR}/data/types/*)
foreach(file IN LISTS data_files)
  get_filename_component(folder ${file} DIRECTORY)
  zep31_install_file(${PROJECT_SOURCE_DIR}/data/${file} ${ZEP31_DATA_INSTALL_DIR}/${folder})
endforeach()
# The JSON Schemas of zep31ctl's output for programs.
file(GLOB schema_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/schemas/*.schema.json)
foreach(file IN LISTS schema_files)
  zep31_install_file(${file} ${ZEP31_DATA_INSTALL_DIR}/schemas)
endforeach()
# The hand the about box shows over its links.
zep31_install_file(${PROJECT_SOURCE_DIR}/data/H_Point.cur ${ZEP31_DATA_INSTALL_DIR})

foreach(program zep31-plugin lnsdirector lns-netdb zep31ctl)
  zep31_install_file(${PROJECT_SOURCE_DIR}/man/${program}.1 ${CMAKE_INSTALL_MANDIR}/man1 GZIP)
endforeach()
foreach(program lnsdirector lns-netdb zep31ctl)
  zep31_install_file(${PROJECT_SOURCE_DIR}/completions/${program} ${ZEP31_COMPLETION_INSTALL_DIR})
endforeach()

# Debian's places: the copyright file as it stands, the changelog compressed.
zep31_install_file(${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_INSTALL_DOCDIR})
zep31_install_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_INSTALL_DOCDIR} GZIP)
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^zep31 \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog starts with \"${changelog_top}\"; its first entry must be "
                      "the project's version ${PROJECT_VERSION}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)

get_property(staged DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY ZEP31_STAGED_FILES)
add_custom_target(zep31-installed-files ALL DEPENDS ${staged})
# Everything that sets up a LonWorks home reads the staged data.
add_dependencies(lnssim zep31-installed-files)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zep31)
set(CPACK_PACKAGE_VENDOR "Korvandel Devices GmbH")
set(CPACK_PACKAGE_CONTACT "Korvandel Devices GmbH <info@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration plug-in for the ZEP31 LonWorks room unit")
# The summary is the synopsis line; this is the extended description below it.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "Configures, commissions and monitors ZEP31 in-wall room operating units:\n"
       "the plug-in a network tool drives over D-Bus (zep31-plugin), a\n"
       "command-line director (lnsdirector), commissioning without a window\n"
       "(zep31ctl) and a simulated LonWorks platform (lns-netdb).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.com")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries from dpkg-shlibdeps; Qt's own dialogs in German need Qt's translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# A director reaches the plug-in over the session bus.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "default-dbus-session-bus | dbus-session-bus, bash-completion")
include(CPack)
