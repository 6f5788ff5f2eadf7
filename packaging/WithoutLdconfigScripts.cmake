# Run by cpack after it has built the package (CPACK_POST_BUILD_SCRIPTS).
# CPack's Debian generator gives a package postinst and postrm scripts that
# run ldconfig whenever a library lies in /usr/lib or one folder below it.
# The program's libraries in /usr/lib/sonvelle are private, found through
# the program's RUNPATH, so ldconfig has nothing to do for them; and a postrm
# would keep the removed package in state "rc" until it is purged. The
# package is built again without the two scripts.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${package}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")
  execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${package}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
