# One INTERFACE target carries the warnings and defines that every target of the project uses.
add_library(corvanta_config INTERFACE)
target_compile_options(corvanta_config INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
# Texts cross between QString and bytes only by an explicit conversion, and nothing deprecated up to the Qt the
# project builds with (Debian 12's 6.4) is used.
target_compile_definitions(corvanta_config INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_UP_TO=0x060400)
if(CORVANTA_WERROR)
    target_compile_options(corvanta_config INTERFACE -Werror)
endif()
# Undefined behaviour stops the program rather than printing and carrying on, so that a test fails on it.
if(CORVANTA_SANITIZE)
    target_compile_options(corvanta_config INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(corvanta_config INTERFACE -fsanitize=address,undefined)
endif()
if(CORVANTA_FUZZ)
    # Coverage for libFuzzer and the sanitizers on everything the fuzz targets link.
    target_compile_options(corvanta_config INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(corvanta_config INTERFACE -fsanitize=address,undefined)
endif()
