# `cmake --install` into a game folder: the tool beside the settings file, a
# desktop entry that starts it, the icons, and a saved zunkel.cfg left alone.
file(REMOVE_RECURSE "${SCRATCH}")
set(game "${SCRATCH}/game folder")
file(MAKE_DIRECTORY "${game}")
file(WRITE "${game}/zunkel.cfg" "saved by the player")

function(install_into prefix)
  execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
                  RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "installing into ${prefix} failed")
  endif()
endfunction()

install_into("${game}")
foreach(file zunkel-config share/applications/zunkel-config.desktop
             share/icons/hicolor/32x32/apps/zunkel-config.png share/icons/hicolor/16x16/apps/zunkel-config.png)
  if(NOT EXISTS "${game}/${file}")
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()
file(READ "${game}/zunkel.cfg" kept)
if(NOT kept STREQUAL "saved by the player")
  message(FATAL_ERROR "the installed sample replaced saved settings")
endif()
file(STRINGS "${game}/share/applications/zunkel-config.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"${game}/zunkel-config\"")
  message(FATAL_ERROR "the desktop entry starts ${exec}")
endif()

# Into a folder with no settings yet, the sample comes along so the tool starts.
install_into("${SCRATCH}/new")
file(READ "${SCRATCH}/new/zunkel.cfg" copied HEX)
file(READ "${SAMPLE}" sample HEX)
if(NOT copied STREQUAL sample)
  message(FATAL_ERROR "the sample settings were not installed into an empty folder")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
