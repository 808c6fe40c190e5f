# Runs a check script on a fixture tree with known faults: the script must
# fail (exit code 1) and name exactly the places in the fixture's
# erwartet.txt - a missed fault and a false alarm both fail this test.
#   cmake -DSKRIPT=script.sh -DFIXTURE=folder [-DARGS=more;args] -P fixture_pruefen.cmake
execute_process(COMMAND bash ${SKRIPT} ${FIXTURE} ${ARGS}
  RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE fehler)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "${SKRIPT}: exit code ${rc} instead of 1\n${aus}${fehler}")
endif()

# Each finding starts with its place, "src/...:line: ..." or "src/folder: ...".
string(REPLACE ";" "," aus "${aus}")
string(REPLACE "\n" ";" zeilen "${aus}")
set(gefunden)
foreach(z IN LISTS zeilen)
  if(z MATCHES "^(src/[^:]*(:[0-9]+)?): ")
    list(APPEND gefunden "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(SORT gefunden)

file(STRINGS ${FIXTURE}/erwartet.txt erwartet)
list(SORT erwartet)
if(NOT gefunden STREQUAL erwartet)
  string(REPLACE ";" "\n  " e "${erwartet}")
  string(REPLACE ";" "\n  " g "${gefunden}")
  message(FATAL_ERROR "expected:\n  ${e}\nreported:\n  ${g}\nfull output:\n${aus}")
endif()
list(LENGTH gefunden n)
message(STATUS "all ${n} faults of the fixture found, no others")
