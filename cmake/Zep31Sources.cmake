# Collects the C++ sources of a folder of this project. Window code lives in folders
# named "ui"; EXCLUDE_UI leaves those out (for the widget-free core), ONLY_UI keeps
# only them; EXCLUDE leaves out the named subfolders. The test looks at the path
# inside the project only, so a checkout below some folder called "ui" builds the
# same libraries.
function(zep31_sources out dir)
  cmake_parse_arguments(ARG "EXCLUDE_UI;ONLY_UI" "" "EXCLUDE" ${ARGN})
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
       ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  if(ARG_EXCLUDE_UI)
    list(FILTER files EXCLUDE REGEX "(^|/)ui/")
  elseif(ARG_ONLY_UI)
    list(FILTER files INCLUDE REGEX "(^|/)ui/")
  endif()
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(FILTER files EXCLUDE REGEX "^${dir}/${excluded}/")
  endforeach()
  list(TRANSFORM files PREPEND ${CMAKE_SOURCE_DIR}/)
  set(${out} ${files} PARENT_SCOPE)
endfunction()
