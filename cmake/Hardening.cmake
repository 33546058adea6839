# The hardening Debian builds its packages with: position-independent executables, a stack
# protector, fortified libc calls and a read-only, eagerly bound relocation table. Fortify only
# works with optimisation, so Debug builds (the sanitizer build among them) go without it; the
# fuzz build brings its own instrumentation and takes none of this.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong)
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
