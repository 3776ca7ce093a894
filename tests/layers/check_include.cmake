# Compiles PROBE (syntax only) with ROOT as its only include root. EXPECT
# "refused": the compile must fail, and because HEADER is not found;
# "accepted": it must succeed.
execute_process(
  COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I${ROOT} ${PROBE}
  RESULT_VARIABLE rc
  ERROR_VARIABLE err)
if(EXPECT STREQUAL "refused")
  if(rc EQUAL 0)
    message(FATAL_ERROR "${PROBE} compiled against ${ROOT}: the include of ${HEADER} is not refused")
  endif()
  string(FIND "${err}" "${HEADER}: No such file" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${PROBE} failed for another reason than the missing ${HEADER}:\n${err}")
  endif()
elseif(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROBE} does not compile against ${ROOT}:\n${err}")
endif()
