# The hardening flags Debian builds its own packages with (dpkg-buildflags,
# hardening=+all, plus stack clash protection): every program of a build
# without sanitizers gets them, so the installed programs pass
# hardening-check. Included before any target is made, so that PIE reaches
# them all.
#
# The sanitizer and fuzz builds go without: AddressSanitizer already checks
# every access that the stack protector and _FORTIFY_SOURCE check, and more
# precisely; _FORTIFY_SOURCE swaps calls like memcpy for their __memcpy_chk
# forms, which the sanitizer's interceptors do not all see, and it needs
# optimisation, which the Debug test build has not.
option(LIR_HARDENING "Build with the hardening flags of Debian packages" ON)

if(LIR_HARDENING AND NOT LIR_SANITIZE AND NOT LIR_FUZZ)
    target_compile_options(lir_options INTERFACE
        -fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security)
    # Without optimisation glibc ignores it and warns (an error with -Werror).
    target_compile_definitions(lir_options INTERFACE
        $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    target_link_options(lir_options INTERFACE LINKER:-z,relro,-z,now)

    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
endif()
