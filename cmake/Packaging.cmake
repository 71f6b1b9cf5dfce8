# Desktop integration (menu entry, icon, AppStream metadata), manual pages and
# the Debian package.  Included from the top-level CMakeLists.txt.
#
#   cmake --install build --prefix /usr        installs everything below
#   (cd build && cpack -G DEB)                 makes package/qorvil_<version>_<arch>.deb
#   scripts/package                            does it all in a release build

set(QORVIL_APP_ID io.github.qorvil.Qorvil)
set(QORVIL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QORVIL_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)

# Menu entry and AppStream metadata -----------------------------------------

install(FILES ${QORVIL_PACKAGING_DIR}/${QORVIL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QORVIL_PACKAGING_DIR}/${QORVIL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The Intel HEX file type, which the desktop entry opens.
install(FILES ${QORVIL_PACKAGING_DIR}/${QORVIL_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${QORVIL_APP_ID}.xml)

# Icon: the SVG, and PNG renditions when rsvg-convert is at hand.  The small
# sizes come from a drawing made for a 16-pixel grid.

install(FILES ${QORVIL_PACKAGING_DIR}/qorvil.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

find_program(QORVIL_RSVG_CONVERT rsvg-convert)
if(QORVIL_RSVG_CONVERT)
  set(QORVIL_ICON_PNG_SIZES 16 22 24 32 48 64 128 256)
else()
  set(QORVIL_ICON_PNG_SIZES)
  message(STATUS "rsvg-convert not found: the icon is installed as SVG only")
endif()

set(_qorvil_generated)
foreach(size IN LISTS QORVIL_ICON_PNG_SIZES)
  if(size LESS 32)
    set(drawing ${QORVIL_PACKAGING_DIR}/qorvil-small.svg)
  else()
    set(drawing ${QORVIL_PACKAGING_DIR}/qorvil.svg)
  endif()
  set(png ${QORVIL_GENERATED_DIR}/icons/${size}x${size}/qorvil.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QORVIL_GENERATED_DIR}/icons/${size}x${size}
    COMMAND ${QORVIL_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${drawing}
    DEPENDS ${drawing}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND _qorvil_generated ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages and the Debian changelog, compressed as Debian wants them when gzip is there.

find_program(QORVIL_GZIP gzip)
function(qorvil_install_compressed file destination)
  if(QORVIL_GZIP)
    set(out ${QORVIL_GENERATED_DIR}/gz/${file}.gz)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${QORVIL_GENERATED_DIR}/gz
      COMMAND sh -c "\"$1\" -9 -n -c \"$2\" > \"$3\"" sh ${QORVIL_GZIP} ${QORVIL_PACKAGING_DIR}/${file} ${out}
      DEPENDS ${QORVIL_PACKAGING_DIR}/${file}
      COMMENT "Compressing ${file}"
      VERBATIM)
    set(_qorvil_generated ${_qorvil_generated} ${out} PARENT_SCOPE)
  else()
    set(out ${QORVIL_PACKAGING_DIR}/${file})
  endif()
  install(FILES ${out} DESTINATION ${destination})
endfunction()
foreach(page qorvil.1 qorvil-board-sim.1)
  qorvil_install_compressed(${page} ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# Licence and history, where Debian keeps them.
set(QORVIL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/qorvil)
install(FILES ${QORVIL_PACKAGING_DIR}/copyright DESTINATION ${QORVIL_DOC_DIR})
qorvil_install_compressed(changelog.Debian ${QORVIL_DOC_DIR})
install(FILES ${QORVIL_PACKAGING_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME qorvil)

add_custom_target(qorvil_packaging_files ALL DEPENDS ${_qorvil_generated})

# Debian package -------------------------------------------------------------

set(QORVIL_PACKAGE_MAINTAINER "Qorvil developers <qorvil@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qorvil)
set(CPACK_PACKAGE_VENDOR "Qorvil developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for SX18AC and SX28AC microcontrollers")
set(CPACK_PACKAGE_DESCRIPTION
"Qorvil is the host program for a serial-port in-system programmer board for
SX18AC and SX28AC microcontrollers (18- and 28-pin packages, old and A chip
revisions). It identifies the board, programs, reads, verifies and erases the
chip, edits the FUSE and FUSEX configuration words as named options, loads and
saves Intel HEX files and sends single board commands for diagnosis. The user
interface is in Japanese.

The package also contains qorvil-board-sim, a simulated programmer board on a
pseudo-terminal, for trying the program out without hardware.")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision: packaging/changelog.Debian starts with <version>-<revision>.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QORVIL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The user interface needs a Japanese font, and Qt's own texts in Japanese.
set(_qorvil_depends "fonts-ipafont-gothic, qt6-translations-l10n")
find_program(QORVIL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QORVIL_DPKG_SHLIBDEPS)
  # The libraries come from what the programs are linked against.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps not found (package dpkg-dev): the Debian package lists its libraries by name")
  string(PREPEND _qorvil_depends
    "libc6, libstdc++6, libgcc-s1, libqt6core6, libqt6gui6, libqt6widgets6, libqt6serialport6, libqt6network6, ")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${_qorvil_depends})

include(CPack)
