# AddressSanitizer and UndefinedBehaviorSanitizer for every target that links
# telvaro_sanitizers, when TELVARO_SANITIZE or TELVARO_FUZZ is on.
option(TELVARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TELVARO_FUZZ "Build the libFuzzer targets, sanitized, and fuzz each for a bounded time as a test (clang)" OFF)

add_library(telvaro_sanitizers INTERFACE)

if(TELVARO_SANITIZE OR TELVARO_FUZZ)
    set(telvaro_sanitizer_flags
        -fsanitize=address,undefined
        # Any finding ends the run, so a test cannot pass over one.
        -fno-sanitize-recover=all
        # Readable stacks in reports.
        -fno-omit-frame-pointer)
    target_compile_options(telvaro_sanitizers INTERFACE ${telvaro_sanitizer_flags})
    target_link_options(telvaro_sanitizers INTERFACE ${telvaro_sanitizer_flags})
endif()

if(TELVARO_FUZZ)
    # libFuzzer's coverage feedback in every sanitized target, the core
    # included; only the fuzz targets link libFuzzer's driver.
    target_compile_options(telvaro_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()
