# The system pattern dictionary Crecs.ptn: built from KanjiVG (KANJIVG_DIR) and the
# hand-made strokes of data/strokes by zkdic-build, which prints the coverage table
# and fails the build when a required character is missing.
set(SORENIX_SYSTEM_DIC "${CMAKE_BINARY_DIR}/data/Crecs.ptn" CACHE INTERNAL "The built system pattern dictionary")
file(GLOB SORENIX_STROKE_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/strokes/*.txt)
if(NOT IS_DIRECTORY "${KANJIVG_DIR}")
  message(FATAL_ERROR "KanjiVG stroke files not found in ${KANJIVG_DIR}. Get KanjiVG (see README.md) "
                      "and configure with -DKANJIVG_DIR=/path/to/kanjivg/kanji, or build without "
                      "dictionaries (-DSORENIX_DATA=OFF).")
endif()
add_custom_command(
  OUTPUT ${SORENIX_SYSTEM_DIC}
  COMMAND zkdic-build --kanjivg ${KANJIVG_DIR} --strokes ${CMAKE_CURRENT_LIST_DIR}/strokes
          --out ${SORENIX_SYSTEM_DIC}
  DEPENDS zkdic-build ${SORENIX_STROKE_FILES}
  COMMENT "Building the pattern dictionary Crecs.ptn from KanjiVG and data/strokes"
  VERBATIM)
add_custom_target(crecs_dic ALL DEPENDS ${SORENIX_SYSTEM_DIC})
install(FILES ${SORENIX_SYSTEM_DIC} DESTINATION ZkCrec/dic)
# CC BY-SA 3.0 asks for the licence with every copy: KanjiVG's own text, when the
# source tree has it (its COPYING lies beside the kanji directory).
if(EXISTS "${KANJIVG_DIR}/../COPYING")
  install(FILES "${KANJIVG_DIR}/../COPYING" DESTINATION ZkCrec/dic RENAME KanjiVG-COPYING)
endif()
