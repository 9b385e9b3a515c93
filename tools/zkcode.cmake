# zkcode: the engine's codes of characters, for looking them up.
add_executable(zkcode ${CMAKE_CURRENT_LIST_DIR}/zkcode.cpp)
target_link_libraries(zkcode PRIVATE engine)
sorenix_warnings(zkcode)

# Its test (tests/unit/tools/test_commands.cpp) runs the built command.
sorenix_test_runs_command(tools_commands_test ZKCODE_COMMAND zkcode)
