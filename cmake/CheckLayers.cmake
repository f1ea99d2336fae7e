# Fails when an include runs against the layers: a folder includes only from its own layer or a
# lower one, and the folders of one layer include each other in one direction only (no circle).
# Run as a test and from CI: cmake -P cmake/CheckLayers.cmake. Tests, benchmarks and fuzz targets
# stand outside the layers.
cmake_minimum_required(VERSION 3.25)

# The layers, lowest first. A folder named here holds its subfolders too, unless they are named
# themselves.
set(layers
    # Base services: UiServices, Log, steps and retry policies, errors, the object server interfaces, the
    # message catalogue, the registry class, the progress and splash windows. The point catalogue's
    # rows and named positions are base facts: the message catalogue's help arrays are keyed by them.
    "1 base services|src/host src/device/point_catalogue"
    # The platform's implementations of the base interfaces.
    "1 platform|platform/registry platform/lns platform/echlog platform/qt"
    # The device model: settings, device session and state, reading, resource lookup.
    "2 device model|src/device"
    # The engines: editor rules, transfer, parameter files and report data; registration.
    "3 engines|src/editors src/transfer src/files src/registration"
    # The window's controls that pages of several subsystems share.
    "4 shared controls|src/ui"
    # Each subsystem's pages and behaviour classes.
    "4 pages|src/editors/ui src/transfer/ui src/files/ui src/registration/ui"
    # The window shell on top: MainWindow, its tabs, reading into the editors.
    "4 window shell|src/device/ui"
    # Entry, dispatch, the automation server; the executables and tools.
    "5 entry and tools|src/entry src/entry/ui src/automation app tools/common tools/lnsdirector tools/lns-netdb \
tools/zep31ctl tools/docpdf")

if(NOT ROOT)
  set(ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
endif()
get_filename_component(ROOT ${ROOT} ABSOLUTE)

# Each folder's rank (its layer's place in the list above) and layer name.
set(folders)
set(rank 0)
foreach(layer IN LISTS layers)
  string(REPLACE "|" ";" parts "${layer}")
  list(GET parts 0 name)
  list(GET parts 1 members)
  string(REPLACE " " ";" members "${members}")
  foreach(folder IN LISTS members)
    list(APPEND folders ${folder})
    set(rank_${folder} ${rank})
    set(layer_${folder} "${name}")
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

# The named folder a path lies in: the longest name that is a prefix of it.
function(owner_of path out)
  set(found "")
  foreach(folder IN LISTS folders)
    string(LENGTH "${folder}" length)
    string(LENGTH "${found}" foundLength)
    if((path MATCHES "^${folder}/") AND length GREATER foundLength)
      set(found ${folder})
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/app/*.h ${ROOT}/app/*.cpp
     ${ROOT}/tools/*.h ${ROOT}/tools/*.cpp ${ROOT}/platform/*.h ${ROOT}/platform/*.cpp)
list(SORT sources)

set(problems)
set(edges)
foreach(source IN LISTS sources)
  owner_of(${source} from)
  if(from STREQUAL "")
    list(APPEND problems "${source}: its folder belongs to no layer (cmake/CheckLayers.cmake)")
    continue()
  endif()
  get_filename_component(here ${source} DIRECTORY)
  file(STRINGS ${ROOT}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
    # The include paths the build gives: the file's own folder, src/, platform/, tools/common.
    set(target "")
    foreach(base IN ITEMS ${here} src platform tools/common)
      if(target STREQUAL "" AND EXISTS ${ROOT}/${base}/${included})
        file(RELATIVE_PATH target ${ROOT} ${ROOT}/${base}/${included})
      endif()
    endforeach()
    if(target STREQUAL "")
      continue()
    endif()
    owner_of(${target} to)
    if(to STREQUAL "" OR to STREQUAL from)
      continue()
    endif()
    if(rank_${to} GREATER rank_${from})
      list(APPEND problems
           "${source} includes ${included}: ${from} (${layer_${from}}) may not include ${to} (${layer_${to}})")
    elseif(rank_${to} EQUAL rank_${from})
      list(APPEND edges "${from}>${to}")
      list(APPEND sources_${from}_${to} ${source})
    endif()
  endforeach()
endforeach()

# Within a layer the includes must run one way: take away the folders that include no other
# folder still left, until none is; what stays includes in a circle.
list(REMOVE_DUPLICATES edges)
set(left ${folders})
set(changed TRUE)
while(changed)
  set(changed FALSE)
  foreach(folder IN LISTS left)
    set(includesLeft FALSE)
    foreach(edge IN LISTS edges)
      string(REPLACE ">" ";" pair "${edge}")
      list(GET pair 0 a)
      list(GET pair 1 b)
      if(a STREQUAL folder AND b IN_LIST left)
        set(includesLeft TRUE)
      endif()
    endforeach()
    if(NOT includesLeft)
      list(REMOVE_ITEM left ${folder})
      set(changed TRUE)
    endif()
  endforeach()
endwhile()
foreach(edge IN LISTS edges)
  string(REPLACE ">" ";" pair "${edge}")
  list(GET pair 0 a)
  list(GET pair 1 b)
  if(a IN_LIST left AND b IN_LIST left)
    list(GET sources_${a}_${b} 0 example)
    list(APPEND problems "${a} and ${b} include each other in a circle: ${a} -> ${b} (for one, ${example})")
  endif()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "Includes follow the layers (${count} files)")
