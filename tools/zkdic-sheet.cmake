# zkdic-sheet: contact sheets of reference forms and samples, for looking at them.
find_package(nlohmann_json REQUIRED)
add_executable(zkdic-sheet ${CMAKE_CURRENT_LIST_DIR}/zkdic-sheet.cpp)
target_link_libraries(zkdic-sheet PRIVATE dictools nlohmann_json::nlohmann_json)
sorenix_warnings(zkdic-sheet)

# Its test (tests/unit/tools/test_commands.cpp) runs the built command.
function(sorenix_wire_zkdic_sheet_test)
  if(TARGET tools_commands_test)
    target_compile_definitions(tools_commands_test PRIVATE ZKDIC_SHEET_COMMAND="$<TARGET_FILE:zkdic-sheet>")
    add_dependencies(tools_commands_test zkdic-sheet)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL sorenix_wire_zkdic_sheet_test)
