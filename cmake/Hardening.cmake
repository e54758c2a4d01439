# Debian's hardening flags (what `dpkg-buildflags` gives with hardening=+all): fortified
# C library calls, stack protector, format-string checks, position-independent
# programs, and a read-only relocation table resolved at start (RELRO with BIND_NOW).
# They go on the code that ships (the core, the window library and the two programs),
# in every optimised build, so the programs the tests run are the ones the package
# ships; test and benchmark programs link that code hardened. Sanitizer and fuzzing
# builds keep their own flags, and fortification needs the optimiser, so a Debug build
# goes without it.
option(NESTREL_HARDENING "Build the shipped code with the Debian hardening flags" ON)
if(NESTREL_HARDENING AND NOT NESTREL_SANITIZE AND NOT NESTREL_FUZZ)
  include(CheckPIESupported)
  check_pie_supported()
  add_link_options(-Wl,-z,relro -Wl,-z,now)
  set(NESTREL_HARDENED ON)
endif()

function(nestrel_harden)
  if(NOT NESTREL_HARDENED)
    return()
  endif()
  foreach(target IN LISTS ARGN)
    if(TARGET ${target})
      set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
      target_compile_options(${target} PRIVATE -fstack-protector-strong -Wformat -Werror=format-security
        "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    endif()
  endforeach()
endfunction()
