# Explicit source lists, and a check that keeps them whole.
#
# vumocaixa_check_sources(<folder> <pattern>... SOURCES <file>...) fails the
# configuration when a file in <folder> that matches one of the patterns (relative to
# <folder>, such as "host/*.cpp") is not among the listed files, which are relative to
# <folder> too. The folder is searched again whenever a file is added or removed, so
# a new source cannot be left out of the build unnoticed.
function(vumocaixa_check_sources folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES")
  set(found "")
  foreach(pattern ${arg_UNPARSED_ARGUMENTS})
    file(GLOB matches CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/${pattern})
    list(APPEND found ${matches})
  endforeach()
  list(REMOVE_ITEM found ${arg_SOURCES})
  if(found)
    list(JOIN found ", " missing)
    message(FATAL_ERROR "${folder}: not in the source list of its CMakeLists.txt: ${missing}")
  endif()
endfunction()
