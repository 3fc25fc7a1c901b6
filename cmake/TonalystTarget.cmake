# Shared compile settings for every Tonalyst target.
function(tonalyst_target_defaults target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual
        $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local> $<$<CXX_COMPILER_ID:Clang>:-Wshadow>)
    if(TONALYST_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(TONALYST_SANITIZE)
        target_compile_options(${target} PUBLIC
            -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    endif()
    if(TONALYST_TSAN)
        target_compile_options(${target} PUBLIC -fsanitize=thread -fno-omit-frame-pointer)
        target_link_options(${target} PUBLIC -fsanitize=thread)
    endif()
endfunction()

# One library per subsystem folder: every .cpp/.h/.qrc in the folder (and its subfolders)
# is part of it. Further arguments are the libraries it links publicly.
function(tonalyst_subsystem name)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    if(NOT sources)
        return()
    endif()
    add_library(tonalyst_${name} STATIC ${sources})
    # Every subsystem ends up in the library the program loads for its main window.
    set_target_properties(tonalyst_${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    target_link_libraries(tonalyst_${name} PUBLIC ${ARGN})
    add_library(tonalyst::${name} ALIAS tonalyst_${name})
    target_include_directories(tonalyst_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    tonalyst_target_defaults(tonalyst_${name})
endfunction()
