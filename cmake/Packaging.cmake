# The Debian package: `cpack -G DEB` in the build folder makes nestrel_<version>_<arch>.deb
# from what `cmake --install` puts in place (program, command-line tool, data, help,
# desktop entry, icons, AppStream metainfo, manual pages, copyright and changelog). The run-time
# dependencies are worked out by dpkg-shlibdeps from the libraries the programs link.

# What Debian wants beside every package: the copyright file and the changelog,
# compressed without a time stamp so that the package builds the same every time.
set(NESTREL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/nestrel)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/packaging/changelog > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(nestrel_package_docs ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${NESTREL_DOC_DIR})
# What lintian reports and Debian accepts for this package, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/nestrel.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME nestrel)

# A stripped install (what CPack makes the package from) also drops the compiler's
# .comment and .note sections, as Debian's own packaging does: the programs do not
# read them.
install(CODE "set(NESTREL_BIN_DIR \"${CMAKE_INSTALL_BINDIR}\")")
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program nestrel nestrel-cli)
      set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${NESTREL_BIN_DIR}/${program}")
      if(EXISTS "${file}")
        execute_process(COMMAND objcopy --remove-section=.comment --remove-section=.note "${file}"
                        RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
          message(FATAL_ERROR "objcopy could not drop the unneeded sections of ${file}")
        endif()
      endif()
    endforeach()
  endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nestrel)
set(CPACK_PACKAGE_VENDOR "Quillfern")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Nestrel developers <nestrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "companion for a life-simulation game neighborhood")
set(CPACK_PACKAGE_DESCRIPTION
    "Nestrel keeps the record of a life-simulation game neighborhood: families,\n\
and for every Sim the sign, life stage, career, partner, parents, friends and\n\
chemistry. It works out possible friends, chemistry matches, career pay and\n\
promotion, who is free at a given hour, family trees and statistics, and\n\
exports the family history as GEDCOM for genealogy programs. The package holds\n\
the desktop program, the command-line tool nestrel-cli, data and help.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own texts (stock buttons, its dialogs) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "wx3.2-i18n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quillfern.com/products/nestrel.php")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEB_COMPONENT_INSTALL OFF)
# Only the programs' own install rules: the test and benchmark programs never ship.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)

# The package is built and checked as a test, reusing this build folder.
if(NESTREL_TESTS AND NESTREL_GUI)
  add_test(NAME package.deb COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package/deb.sh ${PROJECT_BINARY_DIR})
  set_tests_properties(package.deb PROPERTIES TIMEOUT 600 RUN_SERIAL ON)
  add_test(NAME package.desktop
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/package/desktop.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR} ${PROJECT_VERSION})
endif()
