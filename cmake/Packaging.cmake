# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package of the program: `cmake --build <build> --target package`
# writes brenak_<version>_<arch>.deb in the build folder, with what
# `cmake --install` puts in /usr (the two programs and their manual pages, the
# launcher, the AppStream description, the icon, the translations of the
# interface when there are any) and the documents every Debian package carries.
include(GNUInstallDirs)

set(BRENAK_HOMEPAGE "https://brenak.org/")
set(BRENAK_MAINTAINER "Brenak <brenak@brenak.org>")

# The manual pages, and the package's changelog and copyright, in the places
# and form Debian wants: compressed at the highest level, without a name or
# time stamp in the header, so that a rebuild gives the same bytes.
find_program(BRENAK_GZIP gzip REQUIRED)
function(brenak_install_compressed source destination)
  get_filename_component(name ${source} NAME)
  set(compressed ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${BRENAK_GZIP} -9nc ${source} > ${compressed}
    DEPENDS ${source}
    COMMENT "Compressing ${name}")
  add_custom_target(brenak_compress_${name} ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()

set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/brenak)
brenak_install_compressed(${CMAKE_SOURCE_DIR}/packaging/changelog ${package_doc_dir})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${package_doc_dir})
brenak_install_compressed(${CMAKE_SOURCE_DIR}/packaging/brenak-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
if(BRENAK_BUILD_GUI)
  brenak_install_compressed(${CMAKE_SOURCE_DIR}/packaging/brenak.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brenak)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brenak)
set(CPACK_PACKAGE_CONTACT ${BRENAK_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRENAK_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BRENAK_HOMEPAGE})
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binaries (dpkg-shlibdeps). What they load or
# read by name at run time is listed here: the platform plugins that put the
# window on an X11 desktop (the offscreen one is in libqt6gui6), Qt's own
# texts in Spanish for its buttons and dialogs, and the report's letters:
# Times New Roman is drawn with its metric twin Liberation Serif, the charts
# with DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "thermal insulation calculator for walls, pipes, ducts and tanks")
# CPack puts the summary on the first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Brenak works out the insulation thickness an element needs, or the heat
that flows through it as it is: a flat wall, floor or ceiling, a pipe in air
or buried with or without a box, a sphere, an air duct or a tank, with up to
six layers of material. The thickness can meet a heat flow, a percentage of
the bare element's loss, a thermal resistance, the economic optimum, a
surface temperature or the absence of surface condensation.
.
It shows the temperature and the dew point at every layer interface with a
chart, checks the minimum thickness of the Spanish regulation of thermal
installations in buildings (RITE), tabulates a series of commercial
thicknesses and writes a report of each case as OpenDocument text or PDF.
The interface is in Spanish. The package also holds brenak-cli, the same
calculations from the command line.")

include(CPack)
