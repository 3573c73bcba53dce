# School holidays: data/schulferien.csv becomes a built-in C++ table at build time.
# Included from src/CMakeLists.txt; the same file is the generator when run with -P.

if(CMAKE_SCRIPT_MODE_FILE)
    # cmake -DEINGABE=<csv> -DAUSGABE=<cpp> -P Schulferien.cmake
    file(STRINGS "${EINGABE}" zeilen)
    list(POP_FRONT zeilen kopf)
    if(NOT kopf STREQUAL "region,year,first,last")
        message(FATAL_ERROR "${EINGABE}: unerwartete Kopfzeile \"${kopf}\"")
    endif()
    set(nummer 1)
    set(eintraege "")
    foreach(zeile IN LISTS zeilen)
        math(EXPR nummer "${nummer} + 1")
        # Leading zeros are dropped so the C++ literals stay decimal.
        if(NOT zeile MATCHES "^0?([0-9]+),([0-9][0-9][0-9][0-9]),([0-9][0-9][0-9][0-9])-0?([0-9]+)-0?([0-9]+),([0-9][0-9][0-9][0-9])-0?([0-9]+)-0?([0-9]+)$")
            message(FATAL_ERROR "${EINGABE}:${nummer}: Zeile nicht im Format region,year,first,last: \"${zeile}\"")
        endif()
        if(NOT CMAKE_MATCH_3 STREQUAL CMAKE_MATCH_2 OR NOT CMAKE_MATCH_6 STREQUAL CMAKE_MATCH_2)
            message(FATAL_ERROR "${EINGABE}:${nummer}: Bereich liegt nicht ganz im Jahr ${CMAKE_MATCH_2}")
        endif()
        string(APPEND eintraege "    {${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, ${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}, ${CMAKE_MATCH_7}, ${CMAKE_MATCH_8}},\n")
    endforeach()
    file(WRITE "${AUSGABE}" "// Generated from data/schulferien.csv by cmake/Schulferien.cmake; edit the CSV instead.
#include \"calendar/Schulferien.h\"

namespace kalvora {
namespace {

// region, year, first month, first day, last month, last day
constexpr SchulferienBereich kBereiche[] = {
${eintraege}};

static_assert(SchulferienTabelleGueltig(kBereiche),
              \"schulferien.csv: invalid date, year outside its first and last line, unsorted or overlapping ranges, \"
              \"or an empty year/region cell\");

} // namespace

std::span<const SchulferienBereich> SchulferienBereiche() { return kBereiche; }

} // namespace kalvora
")
    return()
endif()

set(KALVORA_SCHULFERIEN_CSV ${PROJECT_SOURCE_DIR}/data/schulferien.csv)

# The years the table covers come from the file itself (first and last data line; the build checks
# the order), so adding a year is a change of the CSV alone. Read when configuring: the header
# exists before anything that includes it compiles, and an edited CSV configures again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KALVORA_SCHULFERIEN_CSV})
file(STRINGS ${KALVORA_SCHULFERIEN_CSV} kalvora_schulferien_zeilen REGEX "^[0-9]+,[0-9][0-9][0-9][0-9],")
if(NOT kalvora_schulferien_zeilen)
    message(FATAL_ERROR "${KALVORA_SCHULFERIEN_CSV}: keine Zeile im Format region,year,first,last")
endif()
list(GET kalvora_schulferien_zeilen 0 kalvora_erste)
list(GET kalvora_schulferien_zeilen -1 kalvora_letzte)
string(REGEX REPLACE "^[0-9]+,([0-9]+),.*" "\\1" KALVORA_SCHULFERIEN_VON "${kalvora_erste}")
string(REGEX REPLACE "^[0-9]+,([0-9]+),.*" "\\1" KALVORA_SCHULFERIEN_BIS "${kalvora_letzte}")
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/generated/calendar/SchulferienJahre.h CONTENT
"// Generated from data/schulferien.csv by cmake/Schulferien.cmake: the years of the table.
#pragma once

namespace kalvora {

inline constexpr int kSchulferienErstesJahr = @KALVORA_SCHULFERIEN_VON@;
inline constexpr int kSchulferienLetztesJahr = @KALVORA_SCHULFERIEN_BIS@;

} // namespace kalvora
" @ONLY)
target_include_directories(kalvora_core PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/generated)

set(KALVORA_SCHULFERIEN_CPP ${CMAKE_CURRENT_BINARY_DIR}/generated/SchulferienTabelle.cpp)
add_custom_command(
    OUTPUT ${KALVORA_SCHULFERIEN_CPP}
    COMMAND ${CMAKE_COMMAND} -DEINGABE=${KALVORA_SCHULFERIEN_CSV} -DAUSGABE=${KALVORA_SCHULFERIEN_CPP}
            -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${KALVORA_SCHULFERIEN_CSV} ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Schulferien-Tabelle aus data/schulferien.csv erzeugen"
    VERBATIM)
target_sources(kalvora_core PRIVATE ${KALVORA_SCHULFERIEN_CPP})
