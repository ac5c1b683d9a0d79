# Installs the library, its public headers, its tools, a CMake package and a pkg-config file.
# Every installed name carries VELQT_SUFFIX, so a Qt 5 and a Qt 6 build share one prefix; the
# CMake package "VelQtLib" is the one front door and picks the build that matches the caller's Qt.
include(CMakePackageConfigHelpers)

# The headers VelQtLib.h reaches, and nothing else: implementation headers (_p.h) and the
# library's internal caches and parsers stay in the source tree.
set(VELQT_PUBLIC_HEADERS
    VelQtLib.h
    controls/ItemViewSupport.h controls/VelQCanvas.h controls/VelQCheckBox.h
    controls/VelQComboBox.h controls/VelQContainer.h controls/VelQGroupBox.h controls/VelQImage.h
    controls/VelQLCDNumber.h controls/VelQLabel.h controls/VelQLabelEx.h controls/VelQLineEdit.h
    controls/VelQList.h controls/VelQListView.h controls/VelQMenu.h controls/VelQMenuBar.h
    controls/VelQProgressBar.h controls/VelQPushButton.h controls/VelQRadioButton.h
    controls/VelQScrollBar.h controls/VelQScrollView.h controls/VelQSlider.h
    controls/VelQSpinBox.h controls/VelQSplitter.h controls/VelQSwitch.h
    controls/VelQTabWidget.h controls/VelQTableView.h controls/VelQTextEdit.h
    controls/VelQTreeView.h
    framework/AttrReader.h framework/CScrollBarStyle.h framework/ControlFactory.h
    framework/FocusRing.h framework/IVelQControlBase.h framework/Library.h
    framework/ScrollBarChild.h framework/StyleSlots.h framework/ThemeEvents.h
    framework/UiLoader.h framework/VelQControl.h
    framework/VelQControlBase.h framework/VelQControlBaseImpl.h framework/VelQWindow.h
    framework/VelQtGlobal.h
    theme/Json.h theme/StyleTypes.h theme/ThemeManager.h theme/ThemePackage.h
)
set(VELQT_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/VelQtLib${VELQT_SUFFIX})
foreach(header ${VELQT_PUBLIC_HEADERS})
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${header} DESTINATION ${VELQT_INCLUDE_DIR}/${folder} COMPONENT Devel)
endforeach()

set(VELQT_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VelQtLib)
set(VELQT_TARGETS VelQtLibQt${VELQT_QT_MAJOR}Targets)
install(TARGETS VelQtLib EXPORT ${VELQT_TARGETS}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT Runtime NAMELINK_COMPONENT Devel
    INCLUDES DESTINATION ${VELQT_INCLUDE_DIR})
# The command finds the library beside it wherever the prefix is moved.
file(RELATIVE_PATH VELQT_BIN_TO_LIB /root/${CMAKE_INSTALL_BINDIR} /root/${CMAKE_INSTALL_LIBDIR})
set_target_properties(velqt PROPERTIES INSTALL_RPATH "$ORIGIN/${VELQT_BIN_TO_LIB}")
install(TARGETS velqt EXPORT ${VELQT_TARGETS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT Runtime)
install(EXPORT ${VELQT_TARGETS} NAMESPACE VelQtLib:: DESTINATION ${VELQT_CMAKE_DIR}
    COMPONENT Devel)

configure_file(cmake/VelQtLibQtConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/VelQtLibQt${VELQT_QT_MAJOR}Config.cmake @ONLY)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VelQtLibConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES cmake/VelQtLibConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/VelQtLibQt${VELQT_QT_MAJOR}Config.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/VelQtLibConfigVersion.cmake
    cmake/VelQtLibPackages.cmake
    DESTINATION ${VELQT_CMAKE_DIR} COMPONENT Devel)

file(RELATIVE_PATH VELQT_PC_TO_PREFIX /root/${CMAKE_INSTALL_LIBDIR}/pkgconfig /root)
configure_file(cmake/VelQtLib.pc.in ${CMAKE_CURRENT_BINARY_DIR}/VelQtLib${VELQT_SUFFIX}.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VelQtLib${VELQT_SUFFIX}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Devel)
