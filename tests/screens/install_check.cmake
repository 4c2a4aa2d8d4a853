# Installs the build into PREFIX and checks that the program, its side files,
# its menu entry and its icons land where a desktop and the program look.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

set(expected
  bin/tanvorel
  share/tanvorel/Details/CardDetails.ini
  share/tanvorel/Details/farewellmessage.ini
  share/tanvorel/Details/startup1.avi
  share/tanvorel/Details/startup2.avi
  share/tanvorel/Details/backingmusic.wav
  share/tanvorel/Details/Startupslide1.jpg
  share/applications/tanvorel.desktop)
foreach(side 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${side}x${side}/apps/tanvorel.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
execute_process(COMMAND test -x ${PREFIX}/bin/tanvorel RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "bin/tanvorel is not executable")
endif()

file(READ ${PREFIX}/share/applications/tanvorel.desktop entry)
foreach(line "Type=Application" "Exec=tanvorel" "Icon=tanvorel" "Categories=Game;CardGame;")
  string(FIND "${entry}" "${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "tanvorel.desktop lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
