# Quick-start guide of the program `kalvora`. Include after the target is defined. The guide is
# rendered by the program itself (Qt's PDF writer, no other tool) and lies beside the program in the
# build tree, where the "QuickStart" command looks for it first.
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
# Installed by packaging/CMakeLists.txt.
