# The manual is a real PDF document of several pages that tells a user what the disc holds, how
# to install for each host and what the search window does.
#   cmake -DPDF=<MainTOC.pdf> -DGS=<gs> -P check_manual_pdf.cmake
cmake_minimum_required(VERSION 3.20)
if(NOT EXISTS "${PDF}")
  message(FATAL_ERROR "no manual at ${PDF}")
endif()
file(READ ${PDF} head LIMIT 5 HEX)
if(NOT head STREQUAL "255044462d")  # %PDF-
  message(FATAL_ERROR "${PDF} does not start with %PDF- (first bytes in hex: ${head})")
endif()
file(SIZE ${PDF} size)
math(EXPR tail_offset "${size} - 16")
file(READ ${PDF} tail OFFSET ${tail_offset})
if(NOT tail MATCHES "%%EOF")
  message(FATAL_ERROR "${PDF} has no end-of-file marker (truncated?)")
endif()

# Ghostscript parses the document; a damaged file fails here.
execute_process(
  COMMAND ${GS} -q -dNODISPLAY -dBATCH --permit-file-read=${PDF}
          -c "(${PDF}) (r) file runpdfbegin pdfpagecount = quit"
  OUTPUT_VARIABLE pages OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT pages MATCHES "^[0-9]+$")
  message(FATAL_ERROR "Ghostscript could not read ${PDF} (${status}): ${pages}")
endif()
if(pages LESS 2)
  message(FATAL_ERROR "${PDF} has ${pages} page(s); the manual needs more than a title page")
endif()

execute_process(
  COMMAND ${GS} -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite -sOutputFile=- ${PDF}
  OUTPUT_VARIABLE text
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Ghostscript could not extract the text of ${PDF} (${status})")
endif()
string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
# Phrases are written with / for \ : a list element may not end in a backslash.
string(REPLACE "\\" "/" text "${text}")

# What a user has to be able to find in it: every file of the disc, every host's plug-in
# subfolder and usual folder, the search window and Cancel, and how to start without autorun.
set(phrases
  "Welcome.exe" "helper.dll" "autorun.inf" "Manual/MainTOC.pdf"
  "Premiere/setup.exe" "Razor/setup.exe" "MCXpress/setup.exe" "OnLINE/setup.exe"
  "Ltd/setup.exe" "FAST/setup.exe" "AE/setup.exe"
  "Avid MCXpress" "D-Vision OnLINE" "Adobe Premiere" "Adobe After Effects" "FAST VM-Studio Plus"
  "In:Sync Speed-Razor" "compatible hosts"
  "Plugins/" "TRANS/" "VFX_PLUG/" "Plug-ins/KelvaneFX/" "Plug-ins/KelvaneFX Demo/"
  "C:/Win32App/Premiere/" "C:/Win32App/Razor/" "C:/Avid_MCX/" "C:/DVision/" "C:/VMSTUDIO/"
  "C:/Adobe/After Effects 3.1/"
  "D:/Apps/Premiere 4.2/Plugins/"
  "Searching For" "Please Wait..." "Cancel" "every hard disk" "not searched"
  "autorun is off" "E:/Welcome.exe"
  "Kelvane Effects Installer Problem")
set(missing "")
foreach(phrase IN LISTS phrases)
  string(FIND "${text}" "${phrase}" at)
  if(at EQUAL -1)
    string(APPEND missing "\n  ${phrase}")
  endif()
endforeach()
if(NOT missing STREQUAL "")
  message(FATAL_ERROR "the manual ${PDF} does not mention:${missing}")
endif()
message(STATUS "${PDF}: ${pages} pages")
