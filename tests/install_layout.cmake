# SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
# SPDX-License-Identifier: MIT
# Where the sample settings and the installed files go, from a source tree and
# into prefixes whose paths hold spaces:
# - a build puts the sample beside the tool whenever none is there, never over
#   saved settings;
# - `cmake --install` into a game folder: the tool, the licences, the
#   players' README and the changes in a folder of their own, nothing for
#   desktops, the sample as
#   zunkel.cfg only where none is, and every installed file in the manifest;
# - a staged install (DESTDIR) carries no zunkel.cfg at all;
# - the package layout, staged: the tool under libexec/zunkel-config with a
#   link in games/, its zunkel.cfg a link to the file under /var/games, no
#   licence files among the documents (a distribution records them), a manifest
#   without the staging folder, a desktop entry that starts the tool from a
#   prefix with characters the entry must escape, the icons, the manual page
#   in section 6 (it names every option that --help lists), and desktop-file-validate and
#   appstreamcli without a word; installed directly, the settings made from
#   the sample for the players in group games to save.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${SCRATCH}")
set(source "${SCRATCH}/source tree")
set(build "${SCRATCH}/build tree")
# The tree without its history and without build folders, whatever their
# names (a package build works in <source>/obj-<arch>): any folder holding a
# CMakeCache.txt, the running one among them, which would hold the copy.
file(MAKE_DIRECTORY "${source}")
file(GLOB entries LIST_DIRECTORIES true "${SOURCE}/*" "${SOURCE}/.*")
foreach(entry IN LISTS entries)
  cmake_path(GET entry FILENAME name)
  if(NOT name STREQUAL ".git" AND NOT EXISTS "${entry}/CMakeCache.txt")
    file(COPY "${entry}" DESTINATION "${source}")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed:\n${output}")
  endif()
endfunction()
# The manifest's paths, normalised (the tool's own is "PREFIX/./zunkel-config").
function(read_manifest)
  file(STRINGS "${build}/install_manifest.txt" lines)
  set(manifest)
  foreach(line IN LISTS lines)
    cmake_path(NORMAL_PATH line)
    list(APPEND manifest "${line}")
  endforeach()
  set(manifest "${manifest}" PARENT_SCOPE)
endfunction()
# expect_silent(WHAT COMMAND...): the command succeeds and prints nothing.
function(expect_silent what)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT complaints STREQUAL "")
    message(FATAL_ERROR "${what}: ${complaints}")
  endif()
endfunction()
function(expect_link link target)
  file(READ_SYMLINK "${link}" actual)
  if(NOT actual STREQUAL target)
    message(FATAL_ERROR "${link} leads to '${actual}', not '${target}'")
  endif()
endfunction()
function(expect_content file expected what)
  file(READ "${file}" actual)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what}: ${file} holds '${actual}'")
  endif()
endfunction()

# Only the sample's step is built; the tool itself is the one this suite
# built, copied in, since installing only copies it.
run(${CMAKE_COMMAND} -S "${source}" -B "${build}" -DBUILD_TESTING=OFF)
file(READ "${SOURCE}/app/zunkel.cfg" sample)
set(built_settings "${build}/zunkel.cfg")
run(${CMAKE_COMMAND} --build "${build}" --target sample_settings)
expect_content("${built_settings}" "${sample}" "a first build brings no sample")
file(WRITE "${built_settings}" "saved by the player")
run(${CMAKE_COMMAND} --build "${build}" --target sample_settings)
expect_content("${built_settings}" "saved by the player" "a rebuild replaced saved settings")
file(REMOVE "${built_settings}")
run(${CMAKE_COMMAND} --build "${build}" --target sample_settings)
expect_content("${built_settings}" "${sample}" "a rebuild after deleting the settings brings no sample")
file(COPY_FILE "${TOOL}" "${build}/zunkel-config")

set(game "${SCRATCH}/game folder")
file(MAKE_DIRECTORY "${game}")
file(WRITE "${game}/zunkel.cfg" "saved by the player")
run(${CMAKE_COMMAND} --install "${build}" --prefix "${game}")
expect_content("${game}/zunkel.cfg" "saved by the player" "installing replaced saved settings")
expect_content("${game}/zunkel.cfg.sample" "${sample}" "the sample was not installed under its own name")
read_manifest()
set(expected zunkel-config zunkel.cfg.sample zunkel-config-doc/LICENSE zunkel-config-doc/LICENSE.DejaVu
    zunkel-config-doc/LICENSE.WenQuanYi zunkel-config-doc/LICENSE.Baekmuk zunkel-config-doc/README
    zunkel-config-doc/CHANGELOG.md)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${game}/${file}" OR NOT "${game}/${file}" IN_LIST manifest)
    message(FATAL_ERROR "${file} was not installed, or not listed in the manifest")
  endif()
endforeach()
list(LENGTH manifest installed)
if(NOT installed EQUAL 8)
  message(FATAL_ERROR "more than the tool, the sample and its documents in the game's folder: ${manifest}")
endif()

# Into a folder with no settings yet, the sample comes along so the tool starts.
run(${CMAKE_COMMAND} --install "${build}" --prefix "${SCRATCH}/new game")
expect_content("${SCRATCH}/new game/zunkel.cfg" "${sample}" "no sample in an empty game folder")
read_manifest()
if(NOT "${SCRATCH}/new game/zunkel.cfg" IN_LIST manifest)
  message(FATAL_ERROR "the sample put in place is not listed in the manifest")
endif()

# What a package is built from: never a zunkel.cfg.
set(stage "${SCRATCH}/stage")
run(${CMAKE_COMMAND} -E env "DESTDIR=${stage}" ${CMAKE_COMMAND} --install "${build}" --prefix /opt/game)
if(EXISTS "${stage}/opt/game/zunkel.cfg" OR NOT EXISTS "${stage}/opt/game/zunkel.cfg.sample")
  message(FATAL_ERROR "a staged install carries a zunkel.cfg, or lacks the sample")
endif()

# The package layout, staged as a distribution's package is built.
set(package_build "${SCRATCH}/package build")
run(${CMAKE_COMMAND} -S "${source}" -B "${package_build}" -DBUILD_TESTING=OFF -DZUNKEL_PACKAGE_LAYOUT=ON
    "-DZUNKEL_PACKAGE_SETTINGS=${SCRATCH}/var/zunkel.cfg")
file(COPY_FILE "${TOOL}" "${package_build}/zunkel-config")
# The prefix holds what the desktop entry's Exec key must escape (a backslash
# CMake cannot install to).
file(REMOVE_RECURSE "${stage}")
set(odd [[/opt/a "game" $5 100%]])
run(${CMAKE_COMMAND} -E env "DESTDIR=${stage}" ${CMAKE_COMMAND} --install "${package_build}" --prefix "${odd}")
set(entry "${stage}${odd}/share/applications/zunkel-config.desktop")
file(STRINGS "${entry}" exec REGEX "^Exec=")
if(NOT exec STREQUAL [[Exec="/opt/a \\"game\\" \\$5 100%%/games/zunkel-config"]])
  message(FATAL_ERROR "the staged desktop entry starts ${exec}")
endif()
expect_silent("desktop-file-validate, escaped" desktop-file-validate "${entry}")
file(REMOVE_RECURSE "${stage}")
run(${CMAKE_COMMAND} -E env "DESTDIR=${stage}" ${CMAKE_COMMAND} --install "${package_build}" --prefix /usr)
expect_link("${stage}/usr/games/zunkel-config" ../libexec/zunkel-config/zunkel-config)
expect_link("${stage}/usr/libexec/zunkel-config/zunkel.cfg" "${SCRATCH}/var/zunkel.cfg")
file(GLOB documents RELATIVE "${stage}/usr/share/doc/zunkel-config" "${stage}/usr/share/doc/zunkel-config/*")
if(NOT documents STREQUAL "CHANGELOG.md;README")
  message(FATAL_ERROR "the package's documents are ${documents}")
endif()
expect_content("${stage}/usr/share/zunkel-config/zunkel.cfg.sample" "${sample}" "no sample in share/zunkel-config")
if(EXISTS "${SCRATCH}/var/zunkel.cfg")
  message(FATAL_ERROR "a staged install made the settings file")
endif()
file(STRINGS "${package_build}/install_manifest.txt" manifest)
foreach(file /usr/games/zunkel-config /usr/libexec/zunkel-config/zunkel.cfg /usr/share/applications/zunkel-config.desktop)
  if(NOT file IN_LIST manifest)
    message(FATAL_ERROR "${file} is not in the manifest: ${manifest}")
  endif()
endforeach()
if(manifest MATCHES "${stage}")
  message(FATAL_ERROR "the manifest names the staging folder: ${manifest}")
endif()
expect_silent("desktop-file-validate, package" desktop-file-validate "${stage}/usr/share/applications/zunkel-config.desktop")
# The menu and the software centre speak the tool's languages.
file(READ "${stage}/usr/share/applications/zunkel-config.desktop" entry_text)
file(READ "${stage}/usr/share/metainfo/org.zunkel.config.metainfo.xml" metainfo_text)
if(NOT entry_text MATCHES "\nName\\[zh_CN\\]=Zunkel 设置\n" OR NOT metainfo_text MATCHES "<summary xml:lang=\"ja\">")
  message(FATAL_ERROR "the desktop entry or the metainfo is not translated")
endif()
foreach(size 16 32 48 64 128 256)
  if(NOT EXISTS "${stage}/usr/share/icons/hicolor/${size}x${size}/apps/zunkel-config.png")
    message(FATAL_ERROR "no icon of ${size} pixels")
  endif()
endforeach()
set(manual "${stage}/usr/share/man/man6/zunkel-config.6")
expect_silent("the manual page" groff -t -man -ww -z -Tutf8 "${manual}")
execute_process(COMMAND "${TOOL}" --help OUTPUT_VARIABLE help)
string(REGEX MATCHALL "--[a-z-]+" options "${help}")
file(READ "${manual}" page)
foreach(option IN LISTS options)
  string(REPLACE "-" "\\-" option_in_page "${option}")
  string(FIND "${page}" "${option_in_page}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the manual page does not name ${option}")
  endif()
endforeach()
# Infos and warnings fail it too.
run(appstreamcli validate-tree --no-net --strict "${stage}/usr")

# Installed directly, the package layout makes the settings as a package's
# scripts would, and the tool works through both links.
run(${CMAKE_COMMAND} --install "${package_build}" --prefix "${SCRATCH}/usr")
expect_content("${SCRATCH}/var/zunkel.cfg" "${sample}" "a direct install made no settings from the sample")
# Only root may give the file to group games, which it is not a member of.
execute_process(COMMAND stat -c %a:%G "${SCRATCH}/var/zunkel.cfg" OUTPUT_VARIABLE mode OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND id -u OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND "${SCRATCH}/usr/games/zunkel-config" --print OUTPUT_VARIABLE printed RESULT_VARIABLE result)
if(NOT mode MATCHES "^664:" OR (user EQUAL 0 AND NOT mode STREQUAL "664:games") OR NOT result EQUAL 0
   OR NOT printed MATCHES "resolution=640x480")
  message(FATAL_ERROR "the settings, ${mode}, did not work through the links: ${result} ${printed}")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
