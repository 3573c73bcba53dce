# Quick-start guide, icon and desktop entry of the program `kalvora`. Include after the target is
# defined. The guide is rendered by the program itself (Qt's PDF writer, no other tool) and lies
# beside the program, where the "QuickStart" command looks for it.
include(GNUInstallDirs)

get_target_property(KALVORA_PROGRAMM_ORDNER kalvora RUNTIME_OUTPUT_DIRECTORY)
if(NOT KALVORA_PROGRAMM_ORDNER)
    get_target_property(KALVORA_PROGRAMM_ORDNER kalvora BINARY_DIR)
endif()
set(KALVORA_QUICKSTART_PDF "${KALVORA_PROGRAMM_ORDNER}/QuickStart.pdf")
add_custom_command(
    OUTPUT "${KALVORA_QUICKSTART_PDF}"
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            "$<TARGET_FILE:kalvora>" --quickstart-pdf "${KALVORA_QUICKSTART_PDF}"
    DEPENDS kalvora "${CMAKE_CURRENT_LIST_DIR}/QuickStart.html"
    COMMENT "Kurzanleitung QuickStart.pdf"
    VERBATIM)
add_custom_target(kalvora_quickstart ALL DEPENDS "${KALVORA_QUICKSTART_PDF}")

install(TARGETS kalvora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${KALVORA_QUICKSTART_PDF}" DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${CMAKE_CURRENT_LIST_DIR}/kalvora.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/quellen/kalvora.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/kalvora.png" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
