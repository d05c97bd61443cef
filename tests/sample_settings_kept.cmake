# The build's copy of the sample settings: made when missing, never over saved ones.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
set(settings "${SCRATCH}/zunkel.cfg")

function(copy_sample)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SAMPLE} -DDESTINATION=${settings} -P ${SCRIPT}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "copying the sample failed")
  endif()
endfunction()

file(WRITE "${settings}" "saved by the player")
copy_sample()
file(READ "${settings}" kept)
if(NOT kept STREQUAL "saved by the player")
  message(FATAL_ERROR "saved settings were replaced by the sample")
endif()

file(REMOVE "${settings}")
copy_sample()
file(READ "${settings}" copied HEX)
file(READ "${SAMPLE}" sample HEX)
if(NOT copied STREQUAL sample)
  message(FATAL_ERROR "the sample was not copied")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
