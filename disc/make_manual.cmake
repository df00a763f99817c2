# Turns the manual's groff source into a PDF; any groff diagnostic fails the build, so that a
# broken source never ships silently.
#   cmake -DGROFF=groff -DSOURCE=MainTOC.ms -DOUTPUT=MainTOC.pdf -P make_manual.cmake
execute_process(
  COMMAND ${GROFF} -ms -mpdf -t -Tpdf -dpaper=letter -P-pletter -ww ${SOURCE}
  OUTPUT_FILE ${OUTPUT}.part
  ERROR_VARIABLE diagnostics
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT diagnostics STREQUAL "")
  file(REMOVE ${OUTPUT}.part)
  message(FATAL_ERROR "groff failed (${status}) on ${SOURCE}:\n${diagnostics}")
endif()
file(RENAME ${OUTPUT}.part ${OUTPUT})
