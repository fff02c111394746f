# cmake -DSOURCE=FILE -DTARGET=FILE.gz -P gzip_file.cmake: compresses without the
# file's name and time stamp, so that every build makes the same bytes.
execute_process(COMMAND gzip -9nc ${SOURCE} OUTPUT_FILE ${TARGET} RESULT_VARIABLE failed)
if(failed)
  file(REMOVE ${TARGET})
  message(FATAL_ERROR "gzip ${SOURCE} failed")
endif()
