# Qt's headers are most of what every translation unit parses: targets that include them widely
# parse them once, into a precompiled header, and targets of the same flags reuse it.
option(VELQT_PCH "Precompile Qt's headers" ON)

function(velqt_precompile_qt target)
    if(VELQT_PCH)
        target_precompile_headers(${target} PRIVATE <QtWidgets/QtWidgets> <json/value.h> ${ARGN})
    endif()
endfunction()

function(velqt_reuse_precompiled target from)
    if(VELQT_PCH)
        target_precompile_headers(${target} REUSE_FROM ${from})
    endif()
endfunction()
