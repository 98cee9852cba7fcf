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
        # Targets that draw (a level's model) link render/'s sources against the GL
        # stand-in of the recorder tests instead of libGL: no display is needed.
        set(fuzz_drawing level_fuzz)
        file(GLOB fuzz_render_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/render/*.cpp)
        add_custom_target(fuzz_targets)
        foreach(source ${fuzz_sources})
            get_filename_component(name ${source} NAME_WE)
            if(name IN_LIST fuzz_drawing)
                add_executable(${name} ${source} ${fuzz_render_sources}
                    ${CMAKE_CURRENT_SOURCE_DIR}/render/gl_recorder.cpp)
                target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
                # The other libraries in their order, without render/'s.
                set(fuzz_libraries ${GLIMMERFALL_LIBRARIES})
                list(REMOVE_ITEM fuzz_libraries glimmer_render)
                target_link_libraries(${name} PRIVATE ${fuzz_libraries}
                    PkgConfig::SDL PkgConfig::LUA Threads::Threads m)
            else()
                add_executable(${name} ${source})
                target_link_libraries(${name} PRIVATE glimmer_all)
            endif()
            # The layers are connected before the first input, as the program's start-up does.
            target_sources(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support/fuzz_init.cpp)
            target_link_options(${name} PRIVATE -fsanitize=fuzzer)
            add_dependencies(fuzz_targets ${name})
        endforeach()
    else()
        message(STATUS "libFuzzer does not link: no fuzz targets")
    endif()
endif()
