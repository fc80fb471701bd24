# Builds the fuzz targets with clang in a sub-build and runs each for a bounded count, so that
# an ordinary test run (with any compiler) exercises them too.
#   cmake -DCLANGXX=<clang++> -DSOURCE_DIR=<fuzz dir> -DBINARY_DIR=<scratch dir> -DRUNS=<n> -P smoke.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\n${out}")
  endif()
endfunction()

run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BINARY_DIR} -DCMAKE_CXX_COMPILER=${CLANGXX}
    -DCMAKE_BUILD_TYPE=Release)
run(${CMAKE_COMMAND} --build ${BINARY_DIR} -j 2)

foreach(pair "fuzz_integer_codec:integer" "fuzz_profile_document:profile" "fuzz_network_command:command"
    "fuzz_osc_command:osc")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 target)
  list(GET pair 1 corpus)
  # Seeds only: new inputs go to a scratch directory, never into the source tree.
  set(scratch ${BINARY_DIR}/corpus-${target})
  file(MAKE_DIRECTORY ${scratch})
  run(${BINARY_DIR}/${target} -runs=${RUNS} -seed=1 -max_total_time=20 ${scratch} ${SOURCE_DIR}/corpus/${corpus})
  message("${target}: ${RUNS} runs passed")
endforeach()
