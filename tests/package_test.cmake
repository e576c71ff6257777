cmake_minimum_required(VERSION 3.25)
# Builds the Debian package from a build folder and checks what a user and a distribution get:
# its contents, Depends, a launcher and AppStream file that validate, manual pages that cover
# every option, a tool that runs from the unpacked tree, and no lintian error.
# Arguments: -DBUILD=<build folder> -DWORK=<scratch folder>
file(REMOVE_RECURSE ${WORK})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${status}):\n${out}${err}")
  endif()
  set(out "${out}${err}" PARENT_SCOPE)
endfunction()

run(cpack -G DEB -B ${WORK} --config ${BUILD}/CPackConfig.cmake)
file(GLOB deb ${WORK}/fretwise_*.deb)
if(NOT deb)
  message(FATAL_ERROR "cpack made no fretwise_*.deb in ${WORK}")
endif()

run(dpkg-deb -f ${deb} Package Depends)
foreach(expected "Package: fretwise" "fonts-ipafont-gothic" "libqt6widgets6" "libqt6core6"
                 "libsdl2-mixer-2.0-0" "libc6")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the control fields lack ${expected}:\n${out}")
  endif()
endforeach()

set(root ${WORK}/root)
run(dpkg-deb -x ${deb} ${root})
set(launcher usr/share/applications/org.fretwise.Fretwise.desktop)
set(metainfo usr/share/metainfo/org.fretwise.Fretwise.metainfo.xml)
foreach(file usr/bin/fretwise usr/bin/fretwise-chord ${launcher} ${metainfo}
             usr/share/icons/hicolor/16x16/apps/org.fretwise.Fretwise.png
             usr/share/icons/hicolor/32x32/apps/org.fretwise.Fretwise.png
             usr/share/icons/hicolor/scalable/apps/org.fretwise.Fretwise.svg
             usr/share/man/man1/fretwise.1.gz usr/share/man/man1/fretwise-chord.1.gz
             usr/share/bash-completion/completions/fretwise-chord
             usr/share/doc/fretwise/copyright usr/share/doc/fretwise/changelog.gz)
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "not in the package: ${file}")
  endif()
endforeach()
file(GLOB_RECURSE modules ${root}/usr/lib/*.so)
foreach(module fretwise_chord_image fretwise_chord_play fretwise_sound_module)
  if(NOT modules MATCHES "/fretwise/lib${module}.so")
    message(FATAL_ERROR "not in the package: lib${module}.so under <libdir>/fretwise")
  endif()
endforeach()
file(GLOB sounds ${root}/usr/share/fretwise/wav/*/*.wav)
list(LENGTH sounds count)
if(NOT count EQUAL 288)
  message(FATAL_ERROR "${count} sound files in the package, not 288")
endif()
# The instruments' notes: the steel-string guitar's 62, the nylon-string's 52 and the bass's 41.
file(GLOB_RECURSE instrument_notes ${root}/usr/share/fretwise/instruments/*)
list(LENGTH instrument_notes count)
if(NOT count EQUAL 155 OR NOT instrument_notes MATCHES "/instruments/steel-guitar/C#3.flac")
  message(FATAL_ERROR "${count} instrument notes in the package, not 155")
endif()

# The launcher runs the packaged program in the sound set's folder.
file(STRINGS ${root}/${launcher} lines)
foreach(expected "Exec=/usr/bin/fretwise" "Path=/usr/share/fretwise")
  if(NOT expected IN_LIST lines)
    message(FATAL_ERROR "the launcher lacks ${expected}")
  endif()
endforeach()

# Hints are advice; errors and warnings are not allowed.
run(desktop-file-validate ${root}/${launcher})
if(out MATCHES "error|warning")
  message(FATAL_ERROR "desktop-file-validate:\n${out}")
endif()
run(appstreamcli validate --no-net ${root}/${metainfo})
if(out MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "appstreamcli validate:\n${out}")
endif()

# Every option of the unpacked tool's --help is in its manual page.
run(${root}/usr/bin/fretwise-chord --help)
string(REGEX MATCHALL "--[a-z][a-z-]*" options "${out}")
list(REMOVE_DUPLICATES options)
run(gzip -dc ${root}/usr/share/man/man1/fretwise-chord.1.gz)
string(REPLACE "\\-" "-" page "${out}")
foreach(option ${options})
  string(FIND "${page}" "${option}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page lacks ${option}")
  endif()
endforeach()

run(${root}/usr/bin/fretwise-chord --json C4 E4 G4)
if(NOT out MATCHES "\"candidates\"")
  message(FATAL_ERROR "the packaged fretwise-chord gave no candidates:\n${out}")
endif()

# The unpacked tool finds its image module beside the package's own folders.
run(${root}/usr/bin/fretwise-chord --png ${WORK}/chord.png C4 E4 G4)
if(NOT EXISTS ${WORK}/chord.png)
  message(FATAL_ERROR "the packaged fretwise-chord wrote no PNG")
endif()

run(lintian --fail-on error ${deb})
