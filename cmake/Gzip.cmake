# cmake -DSOURCE=FILE -DTARGET=FILE.gz -P Gzip.cmake: compresses as Debian does (gzip -9n, no name
# or time in the header, so the package does not change with the build's clock).
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9nc ${SOURCE} OUTPUT_FILE ${TARGET} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${TARGET})
  message(FATAL_ERROR "gzip ${SOURCE} failed: ${status}")
endif()
