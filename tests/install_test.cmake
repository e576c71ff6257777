cmake_minimum_required(VERSION 3.25)
# Installs the build into a fresh prefix and checks that a desktop gets all it needs.
# Arguments: -DBUILD=<build folder> -DPREFIX=<scratch prefix> -DLIBDIR=<the build's libdir>
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(launcher share/applications/org.fretwise.Fretwise.desktop)
foreach(file bin/fretwise bin/fretwise-chord ${launcher}
             share/icons/hicolor/16x16/apps/org.fretwise.Fretwise.png
             share/icons/hicolor/32x32/apps/org.fretwise.Fretwise.png
             share/icons/hicolor/scalable/apps/org.fretwise.Fretwise.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(GLOB sounds ${PREFIX}/share/fretwise/wav/*/*.wav)
list(LENGTH sounds count)
if(NOT count EQUAL 288)
  message(FATAL_ERROR "${count} sound files installed, not 288")
endif()
file(GLOB instrument_notes ${PREFIX}/share/fretwise/instruments/*/*.flac)
list(LENGTH instrument_notes count)
if(NOT count EQUAL 155)
  message(FATAL_ERROR "${count} instrument notes installed, not 155")
endif()
file(GLOB stray ${PREFIX}/share/fretwise/wav/*.stamp ${PREFIX}/share/fretwise/instruments/*.stamp)
if(stray)
  message(FATAL_ERROR "build bookkeeping installed: ${stray}")
endif()

file(STRINGS ${PREFIX}/${launcher} lines)
foreach(expected "Exec=${PREFIX}/bin/fretwise" "Path=${PREFIX}/share/fretwise"
                 "Icon=org.fretwise.Fretwise")
  if(NOT expected IN_LIST lines)
    message(FATAL_ERROR "the launcher lacks ${expected}")
  endif()
endforeach()

# fretwise-chord finds its image module in the installed folder, relative to itself; the window
# its sound module.
file(GLOB modules ${PREFIX}/${LIBDIR}/fretwise/*.so)
list(LENGTH modules count)
if(NOT count EQUAL 3)
  message(FATAL_ERROR "${count} modules in ${LIBDIR}/fretwise, not 3")
endif()
execute_process(COMMAND ${PREFIX}/bin/fretwise-chord --png ${PREFIX}/c.png C4 E4 G4
                RESULT_VARIABLE status ERROR_VARIABLE error)
if(NOT status EQUAL 0 OR NOT EXISTS ${PREFIX}/c.png)
  message(FATAL_ERROR "the installed fretwise-chord wrote no image: ${status} ${error}")
endif()

# Started in a folder without wav/, as from a terminal anywhere, --play sounds the installed set;
# a wav/ of the working directory wins, whole, even one without the file.
foreach(own_set IN ITEMS "" wav)
  file(REMOVE_RECURSE ${PREFIX}/wav)
  if(own_set)
    file(MAKE_DIRECTORY ${PREFIX}/wav)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env SDL_AUDIODRIVER=dummy
                          ${PREFIX}/bin/fretwise-chord --max 1 --play C4 E4 G4
                  WORKING_DIRECTORY ${PREFIX} RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE error)
  if(NOT own_set AND NOT status EQUAL 0)
    message(FATAL_ERROR "the installed fretwise-chord did not play the installed set: ${error}")
  endif()
  if(own_set AND NOT error MATCHES "「\\.\\\\wav\\\\4\\\\C2\\.wav」がありません")
    message(FATAL_ERROR "the working directory's wav/ did not win: ${status} ${error}")
  endif()
endforeach()
