# Fuzz targets of the loaders, built only in a clang build configured with
# -DGLIMMERFALL_FUZZ=ON (test.sh makes one) and only when libFuzzer links. Each target
# reads untrusted bytes through one loader and aborts when a pool block is left behind.
if(GLIMMERFALL_FUZZ)
    include(CheckCXXSourceCompiles)
    set(CMAKE_REQUIRED_FLAGS "-fsanitize=fuzzer")
    check_cxx_source_compiles(
        "#include <cstddef>\nextern \"C\" int LLVMFuzzerTestOneInput(const unsigned char *, std::size_t) { return 0; }"
        GLIMMERFALL_HAVE_LIBFUZZER)
    unset(CMAKE_REQUIRED_FLAGS)
    if(GLIMMERFALL_HAVE_LIBFUZZER)
        file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/core/*_fuzz.cpp)
        add_custom_target(fuzz_targets)
        foreach(source ${fuzz_sources})
            get_filename_component(name ${source} NAME_WE)
            add_executable(${name} ${source})
            target_link_libraries(${name} PRIVATE glimmer_all)
            target_link_options(${name} PRIVATE -fsanitize=fuzzer)
            add_dependencies(fuzz_targets ${name})
        endforeach()
    else()
        message(STATUS "libFuzzer does not link: no fuzz targets")
    endif()
endif()
