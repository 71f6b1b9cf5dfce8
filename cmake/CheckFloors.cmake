# Refuses an include between the folders of src/ that does not keep to the floors:
#   platform  <-  core  <-  {batch, windows}  <-  main.cpp
# A floor may include its own folders and those of the floors below; within the core, the
# folders are in order too (a folder includes those before it in CORE); the two front ends
# never include each other. Run by the build: cmake -DSRC=… -DSTAMP=… -DPLATFORM=… -DCORE=…
# -DBATCH=… -DWINDOWS=… -P CheckFloors.cmake
cmake_minimum_required(VERSION 3.22)
set(problems "")

function(allowed_for folder out)
  set(result ${PLATFORM})
  list(FIND CORE ${folder} core_index)
  if(NOT core_index EQUAL -1)
    # The core's folders in order: each includes only those before it.
    foreach(i RANGE ${core_index})
      list(GET CORE ${i} f)
      list(APPEND result ${f})
    endforeach()
  elseif(folder IN_LIST BATCH)
    list(APPEND result ${CORE} ${BATCH})
  elseif(folder IN_LIST WINDOWS)
    list(APPEND result ${CORE} ${WINDOWS})
  elseif(folder STREQUAL ".")
    list(APPEND result ${CORE} ${BATCH} ${WINDOWS})
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/*.cpp ${SRC}/*.h ${SRC}/*.h.in)
foreach(source ${sources})
  get_filename_component(folder ${source} DIRECTORY)
  if(folder STREQUAL "")
    set(folder ".")
  endif()
  allowed_for(${folder} allowed)
  file(STRINGS ${SRC}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
    get_filename_component(target ${included} DIRECTORY)
    if(target STREQUAL "" OR NOT IS_DIRECTORY ${SRC}/${target})
      continue()
    endif()
    if(NOT target IN_LIST allowed)
      string(APPEND problems "  src/${source} includes ${included}\n")
    endif()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "These includes reach above their floor or across to the other front end:\n${problems}")
endif()
file(WRITE ${STAMP} "floors kept\n")
