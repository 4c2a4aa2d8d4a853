# Runs tanvorel-sim the way a user would and checks what it says.
# cmake -DSIM=<tanvorel-sim> -DCATALOGUE=<shipped file> -DWORK=<scratch dir> -P sim_cli_check.cmake
cmake_policy(VERSION 3.25)
file(MAKE_DIRECTORY ${WORK})

function(expect what rc_expected out_regex)
  execute_process(COMMAND ${SIM} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL rc_expected)
    message(FATAL_ERROR "${what}: exit ${rc}, expected ${rc_expected}\n${out}${err}")
  endif()
  if(NOT "${out}${err}" MATCHES "${out_regex}")
    message(FATAL_ERROR "${what}: output does not match '${out_regex}':\n${out}${err}")
  endif()
  set(last_out "${out}" PARENT_SCOPE)
endfunction()

# Bad catalogues: the report names the file, the line and the kind of error, and the exit status is 2.
expect("missing catalogue" 2 "File: ${WORK}/none.ini.*Error: the file cannot be opened"
       --catalogue ${WORK}/none.ini)

file(STRINGS ${CATALOGUE} lines)
list(SUBLIST lines 0 100 first100)
list(JOIN first100 "\r\n" text)
file(WRITE ${WORK}/short.ini "${text}\r\n")
expect("short catalogue" 2 "short.ini.*Line: 101.*ends too early" --catalogue ${WORK}/short.ini)

list(REMOVE_AT lines 43)
list(INSERT lines 43 " 3  Black      Blue")
list(JOIN lines "\n" text)
file(WRITE ${WORK}/space.ini "${text}\n")
expect("card line with a space first" 2 "space.ini.*Line: 44.*does not begin with a digit" --catalogue ${WORK}/space.ini)

expect("bad argument" 64 "usage" --matches zero)

expect("print catalogue" 0 "^{\"type\":1,\"card\":1,\"Number\":1,\"Colour\":\"Black\",\"Feature\":\"Yorker\"}\n"
       --print-catalogue --catalogue ${CATALOGUE})
string(REGEX MATCHALL "\n" newlines "${last_out}")
list(LENGTH newlines count)
if(NOT count EQUAL 220)
  message(FATAL_ERROR "print catalogue: ${count} lines, expected 220")
endif()
if(NOT last_out MATCHES "{\"type\":4,\"card\":60,\"Number\":6,\"Colour\":\"Grey\",\"Feature\":\"Green\"}\n$")
  message(FATAL_ERROR "print catalogue: last line wrong")
endif()

expect("three matches" 0 "^seed 5: [0-9]+/[0-9]+ v [0-9]+/[0-9]+, [a-z ]+: .*\nseed 6: .*\nseed 7: .*\nmatches 3: mean totals"
       --seed 5 --matches 3 --catalogue ${CATALOGUE})

expect("transcript" 0 "^{\"ev\":\"match\",\"seed\":9,\"name\":\"A \\\\\"quoted\\\\\" name\"}\n.*{\"ev\":\"close\"}\n{\"ev\":\"end\",\"T1\":[0-9]+,\"W1\":[0-9]+,\"T2\":[0-9]+,\"W2\":[0-9]+}\n$"
       --seed 9 --name "A \"quoted\" name" --transcript - --catalogue ${CATALOGUE})
