# Turns .ts files into .qm files with lrelease and builds them into a target, under
# :/i18n where installTranslations() looks for tonalyst_<language>.qm.
function(tonalyst_add_translations target)
    if(NOT ARGN)
        return()
    endif()
    qt_add_lrelease(${target} TS_FILES ${ARGN} QM_FILES_OUTPUT_VARIABLE qm_files NO_GLOBAL_TARGET)
    qt_add_resources(${target} ${target}_translations
        PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
endfunction()
