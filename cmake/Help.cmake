# The player's manual as the game shows it (ヘルプ → 遊び方): docs/manual-ja.md with the pictures
# it shows, copied beside the shipped ini folder, where the game looks for its data.
set(VELKARO_MANUAL ${CMAKE_SOURCE_DIR}/docs/manual-ja.md)
set(VELKARO_SHIPPED_HELP ${CMAKE_BINARY_DIR}/shipped/help)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VELKARO_MANUAL})

# Only the pictures the manual names travel with it ("screens/NAME.png"; the names are plain,
# so no bracket of the Markdown reaches a CMake list).
file(READ ${VELKARO_MANUAL} VELKARO_MANUAL_TEXT)
string(REGEX MATCHALL "screens/[A-Za-z0-9_-]+\\.png" VELKARO_MANUAL_PICTURES "${VELKARO_MANUAL_TEXT}")
list(REMOVE_DUPLICATES VELKARO_MANUAL_PICTURES)

set(VELKARO_HELP_OUTPUTS ${VELKARO_SHIPPED_HELP}/manual-ja.md)
set(VELKARO_HELP_COPIES COMMAND ${CMAKE_COMMAND} -E copy ${VELKARO_MANUAL} ${VELKARO_SHIPPED_HELP}/manual-ja.md)
set(VELKARO_HELP_SOURCES ${VELKARO_MANUAL})
foreach(picture IN LISTS VELKARO_MANUAL_PICTURES)
  list(APPEND VELKARO_HELP_OUTPUTS ${VELKARO_SHIPPED_HELP}/${picture})
  list(APPEND VELKARO_HELP_SOURCES ${CMAKE_SOURCE_DIR}/docs/${picture})
  list(APPEND VELKARO_HELP_COPIES COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/docs/${picture}
       ${VELKARO_SHIPPED_HELP}/${picture})
endforeach()
add_custom_command(OUTPUT ${VELKARO_HELP_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VELKARO_SHIPPED_HELP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELKARO_SHIPPED_HELP}/screens
  ${VELKARO_HELP_COPIES}
  DEPENDS ${VELKARO_HELP_SOURCES}
  COMMENT "Copying the player's manual and its pictures")
add_custom_target(velkaro_help ALL DEPENDS ${VELKARO_HELP_OUTPUTS})
