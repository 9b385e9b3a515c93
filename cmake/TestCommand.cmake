# A unit test that runs a built command learns the command's path through a
# definition. The tests are made after the tools, so the wiring waits until every
# directory is read; without the test (tests off) it does nothing.
function(sorenix_test_runs_command test_target definition command)
  # A deferred call reads its arguments when it runs: write the values into it now.
  cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL
                 sorenix_wire_test_command [[${test_target}]] [[${definition}]] [[${command}]])")
endfunction()

function(sorenix_wire_test_command test_target definition command)
  if(TARGET ${test_target} AND TARGET ${command})
    target_compile_definitions(${test_target} PRIVATE ${definition}="$<TARGET_FILE:${command}>")
    add_dependencies(${test_target} ${command})
  endif()
endfunction()
