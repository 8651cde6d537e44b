# AddressSanitizer and UndefinedBehaviorSanitizer for every target that links
# telvaro_sanitizers, when TELVARO_SANITIZE is on.
option(TELVARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(telvaro_sanitizers INTERFACE)

if(TELVARO_SANITIZE)
    set(telvaro_sanitizer_flags
        -fsanitize=address,undefined
        # Any finding ends the run, so a test cannot pass over one.
        -fno-sanitize-recover=all
        # Readable stacks in reports.
        -fno-omit-frame-pointer)
    target_compile_options(telvaro_sanitizers INTERFACE ${telvaro_sanitizer_flags})
    target_link_options(telvaro_sanitizers INTERFACE ${telvaro_sanitizer_flags})
endif()
