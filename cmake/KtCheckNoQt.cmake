# ctest -P script: fails when BINARY loads a Qt library. ldd must show the C library, so a
# broken ldd cannot pass the check by printing nothing.
execute_process(COMMAND ldd ${BINARY} OUTPUT_VARIABLE libs RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT libs MATCHES "libc\\.so")
  message(FATAL_ERROR "ldd could not list the libraries of ${BINARY}:\n${libs}")
endif()
if(libs MATCHES "libQt|qcustomplot")
  message(FATAL_ERROR "${BINARY} loads Qt:\n${libs}")
endif()
