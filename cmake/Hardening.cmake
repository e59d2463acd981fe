# The distribution's hardening for optimised builds, as dpkg-buildflags gives
# it: fortified functions, the stack protector, format checks, full RELRO
# and immediate binding. Debug, sanitizer and fuzz builds go without
# (fortifying needs optimisation); so does a machine without dpkg-dev.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND NOT TAMREL_SANITIZE AND NOT TAMREL_FUZZ AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # Only the hardening: optimisation, debug data and paths stay the build type's.
    foreach(flag IN LISTS flags)
      if(flag MATCHES "^-D_FORTIFY_SOURCE|^-fstack-protector|^-fstack-clash-protection|^-fcf-protection|^-Werror=format-security")
        add_compile_options(${flag})
      elseif(flag MATCHES "^-Wl,-z,")
        add_link_options(${flag})
      endif()
    endforeach()
  endforeach()
endif()
