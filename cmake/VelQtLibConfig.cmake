# The VelQtLib CMake package. A Qt 5 and a Qt 6 build of the library may be installed side by
# side in one prefix; this file is the same for both and loads one of them:
#   1. the one VELQT_QT_MAJOR names (5 or 6), when the caller sets it;
#   2. else the one matching the Qt the caller has already found;
#   3. else the Qt 5 build when it is installed, then the Qt 6 build.
# Either way the caller links VelQtLib::VelQtLib; VelQtLib_QT_MAJOR tells which was loaded.
if(VELQT_QT_MAJOR)
    set(_velqt_major ${VELQT_QT_MAJOR})
elseif(TARGET Qt6::Core)
    set(_velqt_major 6)
elseif(TARGET Qt5::Core)
    set(_velqt_major 5)
elseif(EXISTS "${CMAKE_CURRENT_LIST_DIR}/VelQtLibQt5Config.cmake")
    set(_velqt_major 5)
else()
    set(_velqt_major 6)
endif()

if(NOT EXISTS "${CMAKE_CURRENT_LIST_DIR}/VelQtLibQt${_velqt_major}Config.cmake")
    set(VelQtLib_FOUND FALSE)
    set(VelQtLib_NOT_FOUND_MESSAGE
        "VelQtLib is installed in ${CMAKE_CURRENT_LIST_DIR} without its Qt ${_velqt_major} build")
    unset(_velqt_major)
    return()
endif()
set(VelQtLib_QT_MAJOR ${_velqt_major})
unset(_velqt_major)
include("${CMAKE_CURRENT_LIST_DIR}/VelQtLibQt${VelQtLib_QT_MAJOR}Config.cmake")
