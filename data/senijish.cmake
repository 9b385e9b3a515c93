# Senijish.dat, the character-transition table: built by seni-build from the
# Japanese manual pages, the Debian Japanese documentation (HTML only; their
# plain-text renderings repeat it) and the mecab-ipadic word list.
set(SENI_MAN_DIR /usr/share/man/ja)
set(SENI_WORDS_DIR /usr/share/mecab/dic/ipadic)
file(GLOB SENI_HTML
  /usr/share/debian-reference/*.ja.html
  /usr/share/developers-reference/ja/*.html
  /usr/share/doc/debian/FAQ/ja/*.ja.html
  /usr/share/doc/maint-guide-ja/html/*.ja.html
  /usr/share/doc/debian-policy/ja/policy.html/*.html)
# Index and search pages are lists of terms, not text.
list(FILTER SENI_HTML EXCLUDE REGEX "/(genindex|search)\\.html$")
if(NOT IS_DIRECTORY ${SENI_MAN_DIR} OR NOT IS_DIRECTORY ${SENI_WORDS_DIR} OR NOT SENI_HTML)
  message(FATAL_ERROR "The transition table needs manpages-ja, the Debian Japanese documentation and "
                      "mecab-ipadic: run tools/install-deps.sh (or configure with -DSORENIX_DATA=OFF)")
endif()

set(SORENIX_SENIJISH_FILE ${CMAKE_CURRENT_BINARY_DIR}/Senijish.dat CACHE INTERNAL "The built transition table")
set(SENI_HTML_ARGS)
foreach(page ${SENI_HTML})
  list(APPEND SENI_HTML_ARGS --html ${page})
endforeach()
add_custom_command(
  OUTPUT ${SORENIX_SENIJISH_FILE}
  COMMAND seni-build --output ${SORENIX_SENIJISH_FILE} --words ${SENI_WORDS_DIR} --man ${SENI_MAN_DIR}
          ${SENI_HTML_ARGS}
  DEPENDS seni-build ${SENI_HTML}
  COMMENT "Building the transition table Senijish.dat"
  VERBATIM)
add_custom_target(senijish_data ALL DEPENDS ${SORENIX_SENIJISH_FILE})
install(FILES ${SORENIX_SENIJISH_FILE} DESTINATION ZkCrec/dic)
