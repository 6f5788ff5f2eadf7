# Debian's hardening flags, as dpkg-buildflags gives them to a package build
# with every hardening feature on: fortified C library calls, stack
# protection, format-string checks, and a read-only relocation table that is
# bound at start (-z relro -z now). The build type keeps deciding optimisation
# and debug information, so -O and -g are left out, and so is the source
# path map, which depends on the folder the build runs from. Sets
# SONVELLE_HARDENED when the flags were found.
function(sonvelle_debian_build_flags)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT DPKG_BUILDFLAGS)
    message(STATUS "dpkg-buildflags not found: built without Debian's hardening flags")
    return()
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath"
              ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(value UNIX_COMMAND "${value}")
    list(FILTER value EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
    set(${kind} ${value})
  endforeach()
  add_compile_options(${CPPFLAGS} ${CXXFLAGS})
  add_link_options(${LDFLAGS})
  set(SONVELLE_HARDENED ON PARENT_SCOPE)
endfunction()
