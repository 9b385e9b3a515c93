# zkrecog: the JSON Lines recogniser.
find_package(nlohmann_json REQUIRED)
add_executable(zkrecog ${CMAKE_CURRENT_LIST_DIR}/zkrecog.cpp ${CMAKE_CURRENT_LIST_DIR}/zkrecog_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zkrecog_answer.cpp ${CMAKE_CURRENT_LIST_DIR}/json_in_order.cpp)
target_link_libraries(zkrecog PRIVATE engine nlohmann_json::nlohmann_json)
target_compile_definitions(zkrecog PRIVATE SORENIX_VERSION="${PROJECT_VERSION}")
sorenix_warnings(zkrecog)
install(TARGETS zkrecog DESTINATION ${CMAKE_INSTALL_BINDIR})

# Its tests (tests/unit/engine/test_zkrecog.cpp, tests/unit/seni/test_zkrecog_seq.cpp) run the
# built command.
sorenix_test_runs_command(engine_zkrecog_test ZKRECOG_COMMAND zkrecog)
sorenix_test_runs_command(seni_zkrecog_seq_test ZKRECOG_COMMAND zkrecog)
