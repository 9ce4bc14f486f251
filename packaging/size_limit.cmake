# Fails when FILE is larger than LIMIT bytes: run on corvane.exe after every release build.
file(SIZE "${FILE}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE} is ${size} bytes, more than the ${LIMIT} it may take")
endif()
