# zkcode: the engine's codes of characters, for looking them up.
add_executable(zkcode ${CMAKE_CURRENT_LIST_DIR}/zkcode.cpp)
target_link_libraries(zkcode PRIVATE engine)
sorenix_warnings(zkcode)

# Its test (tests/unit/tools/test_commands.cpp) runs the built command.
function(sorenix_wire_zkcode_test)
  if(TARGET tools_commands_test)
    target_compile_definitions(tools_commands_test PRIVATE ZKCODE_COMMAND="$<TARGET_FILE:zkcode>")
    add_dependencies(tools_commands_test zkcode)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL sorenix_wire_zkcode_test)
