# cmake -DDRAWART=program -DASSETS=folder -DOUT=folder -P ComparePictures.cmake
#
# Draws every picture into OUT with drawart and fails unless the pictures in
# ASSETS (*.png, *.jpg) are exactly the files drawn, byte for byte. The encoders
# and the drawing are deterministic: fixed seeds, no time, the same bytes from
# run to run and from -O0 to -O2.
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${DRAWART}" "${OUT}" RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "drawart failed: ${failed}")
endif()

file(GLOB drawn RELATIVE "${OUT}" "${OUT}/*")
file(GLOB committed RELATIVE "${ASSETS}" "${ASSETS}/*.png" "${ASSETS}/*.jpg")
set(differ)
foreach(name IN LISTS drawn committed)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${name}" "${ASSETS}/${name}"
                  RESULT_VARIABLE changed OUTPUT_QUIET ERROR_QUIET)
  if(changed)
    list(APPEND differ ${name})
  endif()
endforeach()
list(REMOVE_DUPLICATES differ)
if(differ)
  message(FATAL_ERROR "Not as drawart draws them (missing, extra or changed): ${differ}\n"
                      "Draw them again with: drawart ${ASSETS}")
endif()
list(LENGTH drawn count)
message(STATUS "${count} pictures are exactly as drawart draws them")
