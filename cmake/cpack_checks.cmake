# Read by cpack before it packs: without dpkg-shlibdeps (Debian: dpkg-dev) or
# file, CPack would quietly write a package that depends on nothing.
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(tool dpkg-shlibdeps file)
    find_program(HARAVOIJA_TOOL_${tool} ${tool})
    if(NOT HARAVOIJA_TOOL_${tool})
      message(FATAL_ERROR "${tool} is needed to find the package's library dependencies "
                          "(apt-get install dpkg-dev file)")
    endif()
  endforeach()
endif()
