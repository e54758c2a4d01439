# Debian's hardening flags (what `dpkg-buildflags` gives with hardening=+all): fortified
# C library calls, stack protector, format-string checks, position-independent
# programs, and a read-only relocation table resolved at start (RELRO with BIND_NOW).
# They apply to every optimised build, so the programs the tests run are the ones the
# package ships. Sanitizer and fuzzing builds keep their own flags, and fortification
# needs the optimiser, so a Debug build goes without it.
option(NESTREL_HARDENING "Build with the Debian hardening flags" ON)

if(NESTREL_HARDENING AND NOT NESTREL_SANITIZE AND NOT NESTREL_FUZZ)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
