# Build step for a document that is installed compressed: a manual page first
# gets the project's version in its title line, then the file is compressed
# as Debian wants it (gzip -9n: no name or time inside, so the bytes repeat).
#   cmake -DSOURCE=in -DOUTPUT=out.gz -DGZIP=gzip [-DVERSION=1.2] -P compress_file.cmake
set(input "${SOURCE}")
if(DEFINED VERSION)
  file(READ "${SOURCE}" text)
  # The fourth field of .TH, "Haravoija 1.2", is where man shows the version.
  set(title "(\n\\.TH [^\n]*\"Haravoija )[^\"\n]*\"")
  if(NOT "\n${text}" MATCHES "${title}")
    message(FATAL_ERROR "${SOURCE}: its .TH line has no \"Haravoija VERSION\" field")
  endif()
  string(REGEX REPLACE "${title}" "\\1${VERSION}\"" text "\n${text}")
  string(SUBSTRING "${text}" 1 -1 text)
  set(input "${OUTPUT}.in")
  file(WRITE "${input}" "${text}")
endif()
execute_process(COMMAND "${GZIP}" -9n -c INPUT_FILE "${input}" OUTPUT_FILE "${OUTPUT}"
                RESULT_VARIABLE status)
if(DEFINED VERSION)
  file(REMOVE "${input}")
endif()
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "${GZIP} failed on ${SOURCE}: ${status}")
endif()
