# The disc image carries the tree under its Joliet names (mixed case, as Windows shows them), under
# ISO 9660 8.3 names for systems without Joliet, with the volume id KELVANEFX and the tree's bytes.
#   cmake -DISO=<KelvaneFX.iso> -DTREE=<tree> -DXORRISO=<xorriso> -DWORK=<scratch dir> -P check_disc_iso.cmake
cmake_minimum_required(VERSION 3.20)
if(NOT EXISTS "${ISO}")
  message(FATAL_ERROR "no disc image at ${ISO}: build the target disc_iso first")
endif()

set(host_folders Premiere Razor MCXpress OnLINE Ltd FAST AE)
set(joliet /Welcome.exe /helper.dll /autorun.inf /Manual /Manual/MainTOC.pdf)
set(iso9660 /WELCOME.EXE /HELPER.DLL /AUTORUN.INF /MANUAL /MANUAL/MAINTOC.PDF)
foreach(folder IN LISTS host_folders)
  string(TOUPPER ${folder} upper)
  list(APPEND joliet /${folder} /${folder}/setup.exe)
  list(APPEND iso9660 /${upper} /${upper}/SETUP.EXE)
endforeach()

set(problems "")

function(expect_names tree_kind expected)
  execute_process(COMMAND ${XORRISO} -read_fs ${tree_kind} -indev ${ISO} -find / -exec lsdl
                  OUTPUT_VARIABLE listing ERROR_VARIABLE log RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "xorriso could not read ${ISO} (${status}):\n${log}")
  endif()
  set(names "")
  string(REGEX MATCHALL "'[^']*'" quoted "${listing}")
  foreach(name IN LISTS quoted)
    string(REGEX REPLACE "^'(.*)'$" "\\1" name "${name}")
    if(NOT name STREQUAL "/")
      list(APPEND names "${name}")
    endif()
  endforeach()
  list(SORT names)
  set(want ${expected})
  list(SORT want)
  if(NOT names STREQUAL want)
    string(APPEND problems "\n  ${tree_kind} names:\n    found    ${names}\n    expected ${want}")
  endif()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

expect_names(norock "${joliet}")   # norock: the Joliet tree
expect_names(ecma119 "${iso9660}") # the plain ISO 9660 tree

execute_process(COMMAND ${XORRISO} -indev ${ISO} -pvd_info OUTPUT_VARIABLE pvd ERROR_QUIET)
if(NOT pvd MATCHES "Volume Id *: KELVANEFX\n")
  string(APPEND problems "\n  volume id is not KELVANEFX:\n${pvd}")
endif()

# The files in the image are the tree's files.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${XORRISO} -osirrox on -read_fs norock -indev ${ISO} -extract / ${WORK}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "xorriso could not extract ${ISO} (${status}):\n${log}")
endif()
foreach(name IN LISTS joliet)
  if(IS_DIRECTORY ${TREE}${name})
    continue()
  endif()
  if(NOT EXISTS ${WORK}${name})
    continue()  # already reported with the names
  endif()
  file(SHA256 ${TREE}${name} tree_hash)
  file(SHA256 ${WORK}${name} image_hash)
  if(NOT tree_hash STREQUAL image_hash)
    string(APPEND problems "\n  ${name} in the image differs from the tree")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK})

if(NOT problems STREQUAL "")
  message(FATAL_ERROR "disc image ${ISO}:${problems}")
endif()
message(STATUS "disc image ${ISO}: Joliet and ISO 9660 names and contents as expected")
