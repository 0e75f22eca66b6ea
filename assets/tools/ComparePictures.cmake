# cmake -DDRAWART=program -DCOMPARE=program -DASSETS=folder -DOUT=folder
#       -DTOLERANCE="PNG_CHANNEL PNG_SHARE JPG_CHANNEL JPG_MEAN" -P ComparePictures.cmake
#
# Draws every picture into OUT with drawart and fails unless the pictures in
# ASSETS (*.png, *.jpg) are those drawn, pixel for pixel within TOLERANCE
# (comparepictures says how it is read).
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${DRAWART}" "${OUT}" RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "drawart failed: ${failed}")
endif()

separate_arguments(tolerance UNIX_COMMAND "${TOLERANCE}")
execute_process(COMMAND "${COMPARE}" "${ASSETS}" "${OUT}" ${tolerance} RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "The pictures above are not as drawart draws them (missing, extra or changed).\n"
                      "Draw them again with: drawart ${ASSETS}")
endif()
