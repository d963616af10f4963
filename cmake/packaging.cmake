# The documents installed beside the commands (their manual pages, README,
# copyright and changelog) and the Debian package of everything installed:
# `cpack -G DEB` in the release build. Whatever an install() rule adds, a
# command or a file, goes into the package by itself.

find_program(HARAVOIJA_GZIP gzip REQUIRED)
set(HARAVOIJA_COMPRESS_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/compress_file.cmake)
set(HARAVOIJA_COMPRESSED_FILES)

# Compresses SOURCE into OUTPUT at build time; extra arguments are passed on
# to the script (-DVERSION=... stamps a manual page).
function(haravoija_compress source output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${source} -DOUTPUT=${output} -DGZIP=${HARAVOIJA_GZIP}
            ${ARGN} -P ${HARAVOIJA_COMPRESS_SCRIPT}
    DEPENDS ${source} ${HARAVOIJA_COMPRESS_SCRIPT}
    COMMENT "Compressing ${source}"
    VERBATIM)
  set(HARAVOIJA_COMPRESSED_FILES ${HARAVOIJA_COMPRESSED_FILES} ${output} PARENT_SCOPE)
endfunction()

# Every manual page in doc/ (NAME.SECTION), with the project's version in its
# title line, into the man folder of its section.
file(GLOB HARAVOIJA_MANUAL_PAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/doc/*.[1-8])
foreach(page IN LISTS HARAVOIJA_MANUAL_PAGES)
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE ".*\\.([1-8])$" "\\1" section ${name})
  set(compressed ${PROJECT_BINARY_DIR}/man/${name}.gz)
  haravoija_compress(${page} ${compressed} -DVERSION=${PROJECT_VERSION})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()

# The changelog's latest entry is the version being built, or the package
# would claim a history it does not have.
set(HARAVOIJA_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/changelog)
file(STRINGS ${HARAVOIJA_CHANGELOG} HARAVOIJA_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT HARAVOIJA_CHANGELOG_TOP MATCHES "^haravoija \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: its first entry is not version ${PROJECT_VERSION} "
                      "(project() in CMakeLists.txt); add an entry for it")
endif()
haravoija_compress(${HARAVOIJA_CHANGELOG} ${PROJECT_BINARY_DIR}/doc/changelog.gz)

# The copyright file in Debian's machine-readable format, its license text
# taken from LICENSE (one space before each line, " ." for an empty one).
file(READ ${PROJECT_SOURCE_DIR}/LICENSE HARAVOIJA_LICENSE)
if(NOT HARAVOIJA_LICENSE MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.*[^\n])\n*$")
  message(FATAL_ERROR "LICENSE: no copyright line followed by the license text")
endif()
set(HARAVOIJA_COPYRIGHT "${CMAKE_MATCH_1}")
string(REPLACE "\n" "\n " HARAVOIJA_LICENSE_TEXT " ${CMAKE_MATCH_2}")
string(REPLACE "\n \n" "\n .\n" HARAVOIJA_LICENSE_TEXT "${HARAVOIJA_LICENSE_TEXT}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in ${PROJECT_BINARY_DIR}/doc/copyright
               @ONLY)

add_custom_target(haravoija_documents ALL DEPENDS ${HARAVOIJA_COMPRESSED_FILES})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_BINARY_DIR}/doc/copyright
              ${PROJECT_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The package: haravoija_VERSION_ARCH.deb, its library dependencies computed
# from the binaries by dpkg-shlibdeps (Debian: dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME haravoija)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Haravoija-kehittäjät")
set(CPACK_PACKAGE_CONTACT "Haravoija-kehittäjät <haravoija@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-search puzzle maker for Finnish speakers")
set(CPACK_PACKAGE_DESCRIPTION
    "Haravoija makes word-search puzzles from the words you give it, for
teachers, parents and club leaders. It hides them in a letter grid, in all
eight directions or, for children, only rightwards and downwards, fills the
other cells with random letters or a hidden phrase and saves a printable
HTML page. haravoija-ratkaisu makes the answer key of a saved page, and
haravoija-peli a page on which it is solved in the browser. The programs
speak Finnish.

Haravoija laatii sanahakuristikoita antamistasi sanoista ja tallentaa ne
tulostettaviksi HTML-sivuiksi. haravoija-ratkaisu tekee tallennetusta
ristikosta ratkaisusivun ja haravoija-peli selaimessa ratkaistavan
pelisivun.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_checks.cmake)
include(CPack)
