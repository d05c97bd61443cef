# Where the sample settings and the installed files go, from a source tree and
# into prefixes whose paths hold spaces:
# - a build puts the sample beside the tool whenever none is there, never over
#   saved settings;
# - `cmake --install` into a game folder: the tool, a valid desktop entry that
#   starts it, the icons, the sample as zunkel.cfg only where none is, and
#   every installed file in the manifest;
# - a staged install (DESTDIR) carries no zunkel.cfg at all.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${SCRATCH}")
set(source "${SCRATCH}/source tree")
set(build "${SCRATCH}/build tree")
file(COPY "${SOURCE}/" DESTINATION "${source}" PATTERN "build*" EXCLUDE PATTERN ".git" EXCLUDE)

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
foreach(file zunkel-config zunkel.cfg.sample share/applications/zunkel-config.desktop
             share/icons/hicolor/32x32/apps/zunkel-config.png share/icons/hicolor/16x16/apps/zunkel-config.png)
  if(NOT EXISTS "${game}/${file}" OR NOT "${game}/${file}" IN_LIST manifest)
    message(FATAL_ERROR "${file} was not installed, or not listed in the manifest")
  endif()
endforeach()
if("${game}/zunkel.cfg" IN_LIST manifest)
  message(FATAL_ERROR "the player's own settings are listed as installed")
endif()
set(entry "${game}/share/applications/zunkel-config.desktop")
file(STRINGS "${entry}" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"${game}/zunkel-config\"")
  message(FATAL_ERROR "the desktop entry starts ${exec}")
endif()
execute_process(COMMAND desktop-file-validate "${entry}" OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints
                RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT complaints STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${complaints}")
endif()

# Into a folder with no settings yet, the sample comes along so the tool starts.
run(${CMAKE_COMMAND} --install "${build}" --prefix "${SCRATCH}/new game")
expect_content("${SCRATCH}/new game/zunkel.cfg" "${sample}" "no sample in an empty game folder")
read_manifest()
if(NOT "${SCRATCH}/new game/zunkel.cfg" IN_LIST manifest)
  message(FATAL_ERROR "the sample put in place is not listed in the manifest")
endif()

# What a package is built from: never a zunkel.cfg.
run(${CMAKE_COMMAND} -E env "DESTDIR=${SCRATCH}/stage" ${CMAKE_COMMAND} --install "${build}" --prefix "/opt/a game")
if(EXISTS "${SCRATCH}/stage/opt/a game/zunkel.cfg" OR NOT EXISTS "${SCRATCH}/stage/opt/a game/zunkel.cfg.sample")
  message(FATAL_ERROR "a staged install carries a zunkel.cfg, or lacks the sample")
endif()
file(STRINGS "${SCRATCH}/stage/opt/a game/share/applications/zunkel-config.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"/opt/a game/zunkel-config\"")
  message(FATAL_ERROR "the staged desktop entry starts ${exec}")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
