# Each subsystem folder adds its sources to one library, pellora_core, from which the program and the
# tests are linked; the subsystems call each other in both directions, so one library keeps the link simple.
define_property(GLOBAL PROPERTY PELLORA_CORE_SOURCES BRIEF_DOCS "core sources" FULL_DOCS "core sources")
define_property(GLOBAL PROPERTY PELLORA_CORE_LIBS BRIEF_DOCS "core libs" FULL_DOCS "core libs")

function(pellora_add_sources)
    foreach(src ${ARGN})
        get_filename_component(abs ${src} ABSOLUTE)
        set_property(GLOBAL APPEND PROPERTY PELLORA_CORE_SOURCES ${abs})
    endforeach()
endfunction()

function(pellora_add_libs)
    set_property(GLOBAL APPEND PROPERTY PELLORA_CORE_LIBS ${ARGN})
endfunction()

function(pellora_finish_core)
    get_property(srcs GLOBAL PROPERTY PELLORA_CORE_SOURCES)
    get_property(libs GLOBAL PROPERTY PELLORA_CORE_LIBS)
    add_library(pellora_core STATIC ${srcs})
    target_include_directories(pellora_core PUBLIC ${PELLORA_ROOT} ${PELLORA_ROOT}/framework ${PELLORA_GENERATED})
    target_link_libraries(pellora_core PUBLIC pellora_framework ${libs}
        dsound dxguid ole32 oleaut32 uuid winmm version advapi32 comdlg32 gdi32 user32 kernel32 shell32)
endfunction()

# Copies a built target into the staged installation folder (relative sub-folder may be empty).
function(pellora_stage_target target subdir)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PELLORA_STAGE}/${subdir}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${PELLORA_STAGE}/${subdir}/
        VERBATIM)
endfunction()
