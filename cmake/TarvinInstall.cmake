# Two install layouts. The system's (cmake --install, the Debian package):
# programs in bin/, what they ship in share/ostrel-tarvin/, the desktop files
# in share/. The portable program folder (the archive, component "portable",
# left out of a plain install): everything in one folder, as the build
# lays it out.
include(GNUInstallDirs)
set(TARVIN_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/ostrel-tarvin)
# Libraries that only the programs load (the upload wizard's): in the
# architecture's own library folder, as Debian keeps private libraries, where
# no ldconfig run is needed (nor asked for by the package's scripts).
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(TARVIN_LIBRARY_DESTINATION lib/${CMAKE_LIBRARY_ARCHITECTURE}/ostrel-tarvin)
else()
  set(TARVIN_LIBRARY_DESTINATION ${CMAKE_INSTALL_LIBDIR}/ostrel-tarvin)
endif()

# tarvin_install_shipped(SUBFOLDER [FILES ...] [PROGRAMS ...]): files the
# program reads but never writes, into SUBFOLDER ("." for the top) of both
# layouts; PROGRAMS are scripts that keep their execute permission.
function(tarvin_install_shipped subfolder)
  cmake_parse_arguments(ARG "" "" "FILES;PROGRAMS" ${ARGN})
  foreach(kind FILES PROGRAMS)
    if(ARG_${kind})
      install(${kind} ${ARG_${kind}} DESTINATION ${TARVIN_DATA_DESTINATION}/${subfolder})
      install(${kind} ${ARG_${kind}} DESTINATION ${subfolder} COMPONENT portable EXCLUDE_FROM_ALL)
    endif()
  endforeach()
endfunction()
