# Runs "<program> --selftest" in a fresh folder, once without a path and once with a quoted path
# holding a blank, and compares each report with the expected bytes and the exit code with 0.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/with blank")
file(READ "${EXPECTED}" expected HEX)

function(check_run report)
  file(READ "${report}" actual HEX)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${report} differs from ${EXPECTED}:\n${actual}\n${expected}")
  endif()
endfunction()

execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --selftest
  WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "--selftest exited with ${code}")
endif()
check_run("${WORK_DIR}/selftest.txt")

execute_process(COMMAND ${EMULATOR} "${PROGRAM}" --selftest "with blank/report 1.txt"
  WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "--selftest with a path exited with ${code}")
endif()
check_run("${WORK_DIR}/with blank/report 1.txt")
