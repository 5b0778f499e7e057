# Holds the includes of the library and the command to the floors of a layers file
# (cmake/Layers.txt): a file may include only headers of its own folder and of the
# folders its folder stands on, and Qt's headers only where it stands on "Qt". Every
# C++ file under a top folder the layers file names must lie in one of its folders.
# Prints each offending include and fails when there is one.
#
#   cmake -DROOT=<source tree> -DLAYERS=<layers file> -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.25)

# --- the floors: for each folder, every folder it may include ------------------------
file(STRINGS ${LAYERS} lines)
set(folders "")
set(tops "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "#.*" "" line "${line}")
  string(STRIP "${line}" line)
  if(line STREQUAL "")
    continue()
  endif()
  string(REGEX REPLACE "[ \t]+" ";" words "${line}")
  list(POP_FRONT words folder)
  set(known ${folder})
  foreach(below IN LISTS words)
    if(NOT below IN_LIST folders AND NOT below STREQUAL "Qt")
      message(FATAL_ERROR "${LAYERS}: ${folder} stands on ${below}, which no line above names")
    endif()
    list(APPEND known ${below} ${known_${below}})
  endforeach()
  list(REMOVE_DUPLICATES known)
  set(known_${folder} ${known})
  list(APPEND folders ${folder})
  string(REGEX REPLACE "/.*" "" top "${folder}")
  list(APPEND tops ${top})
endforeach()
list(REMOVE_DUPLICATES tops)

# The folder of the layers file that holds path (relative to ROOT), the longest that
# matches, or "" for none.
function(floor_of path out)
  set(found "")
  foreach(folder IN LISTS folders)
    string(LENGTH "${folder}" n)
    string(LENGTH "${found}" m)
    if((path STREQUAL folder OR path MATCHES "^${folder}/") AND n GREATER m)
      set(found ${folder})
    endif()
  endforeach()
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# --- the includes of every file -------------------------------------------------------
set(faults 0)
foreach(top IN LISTS tops)
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${top}/*.cpp ${ROOT}/${top}/*.hpp
       ${ROOT}/${top}/*.h)
  foreach(source IN LISTS sources)
    floor_of(${source} floor)
    if(floor STREQUAL "")
      message("${source}: in no folder of ${LAYERS}")
      math(EXPR faults "${faults} + 1")
      continue()
    endif()
    get_filename_component(dir ${ROOT}/${source} DIRECTORY)
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(include IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" name
             "${include}")
      set(target "")
      if(include MATCHES "\"" AND EXISTS ${dir}/${name})
        cmake_path(SET resolved NORMALIZE ${dir}/${name})
        file(RELATIVE_PATH name ${ROOT} ${resolved})
        floor_of(${name} target)
      elseif(include MATCHES "<" AND name MATCHES "^vumocaixa/")
        floor_of(${name} target)
        if(target STREQUAL "")
          set(target ${name})
        endif()
      elseif(include MATCHES "<" AND name MATCHES "^(Q|q[a-z0-9_]*\\.h$)")
        set(target Qt)
      endif()
      if(NOT target STREQUAL "" AND NOT target IN_LIST known_${floor})
        message("${source}: includes ${name}, but ${floor} does not stand on ${target}")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the floors of ${LAYERS}")
endif()
