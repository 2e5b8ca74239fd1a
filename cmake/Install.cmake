# Installing the game like any desktop program, and the Debian package built from that install
# (cpack --config build/release/CPackConfig.cmake).
include(GNUInstallDirs)

# The game finds its data relative to its own program file, wherever the tree is installed.
file(RELATIVE_PATH VELKARO_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/velkaro)
set_property(SOURCE src/data/GameDirectorySetup.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS VELKARO_DATA_FROM_BIN="${VELKARO_DATA_FROM_BIN}")

install(TARGETS velkaro-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET velkaro-check)
  install(TARGETS velkaro-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# Read-only once installed: every player's game directory receives its own copy on the first start.
install(DIRECTORY ${VELKARO_SHIPPED_INI}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velkaro/ini)
# The manual the game shows under ヘルプ, with its pictures.
install(DIRECTORY ${VELKARO_SHIPPED_HELP}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/velkaro/help)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Desktop programs live in bin here (see the override's reason); -DCMAKE_INSTALL_BINDIR=games gives /usr/games.
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME velkaro)

# Manual pages and the changelog go in compressed, as Debian keeps them (gzip -n: the same bytes every build).
set(VELKARO_COMPRESSED)
foreach(page velkaro.6 velkaro-sim.6 velkaro-check.6 man/ja/velkaro.6 changelog)
  set(out ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
  get_filename_component(folder ${out} DIRECTORY)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${page} ${CMAKE_BINARY_DIR}/packaging/${page}
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/${page}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${page})
  list(APPEND VELKARO_COMPRESSED ${out})
endforeach()
add_custom_target(velkaro_docs ALL DEPENDS ${VELKARO_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/velkaro-sim.6.gz ${CMAKE_BINARY_DIR}/packaging/velkaro-check.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(VELKARO_QT)
  install(TARGETS velkaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_BINARY_DIR}/packaging/velkaro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  # man -L ja velkaro
  install(FILES ${CMAKE_BINARY_DIR}/packaging/man/ja/velkaro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man6)
  install(FILES packaging/velkaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The software centres' listing (appstreamcli validate --no-net checks it in the tests).
  install(FILES packaging/example.velkaro.Velkaro.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES packaging/icons/velkaro.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 48 256)
    install(FILES packaging/icons/velkaro-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME velkaro.png)
  endforeach()
endif()

set(VELKARO_MAINTAINER "Velkaro maintainers <maintainers@velkaro.example>" CACHE STRING
    "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkaro)
set(CPACK_PACKAGE_VENDOR "Velkaro")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VELKARO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based Three Kingdoms strategy game in Japanese")
# The summary above is the first line of the package description; CPack indents the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velkaro Ostrel (Velkaro・Ostrel) is a grand-strategy game among the
warlords of China's Three Kingdoms era. One or more players share one
machine (hot-seat) and the computer leads every other faction. Every year each
faction chooses a strategy; wars, alliances and the fall of factions follow.
All game text is Japanese.

The package also holds velkaro-sim, which plays whole games headless, and
velkaro-check, which checks data folders for scenario editors.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELKARO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows are drawn for a Japanese font; the standard buttons read はい / いいえ with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk | fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
