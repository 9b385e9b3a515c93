# zkrecog: the JSON Lines recogniser.
find_package(nlohmann_json REQUIRED)
add_executable(zkrecog ${CMAKE_CURRENT_LIST_DIR}/zkrecog.cpp ${CMAKE_CURRENT_LIST_DIR}/zkrecog_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zkrecog_answer.cpp ${CMAKE_CURRENT_LIST_DIR}/json_in_order.cpp)
target_link_libraries(zkrecog PRIVATE engine nlohmann_json::nlohmann_json)
target_compile_definitions(zkrecog PRIVATE SORENIX_VERSION="${PROJECT_VERSION}")
sorenix_warnings(zkrecog)
install(TARGETS zkrecog DESTINATION ${CMAKE_INSTALL_BINDIR})

# Its test (tests/unit/engine/test_zkrecog.cpp) runs the built command: once every
# directory is read, tell the test where the command is.
function(sorenix_wire_zkrecog_test)
  if(TARGET engine_zkrecog_test)
    target_compile_definitions(engine_zkrecog_test PRIVATE ZKRECOG_COMMAND="$<TARGET_FILE:zkrecog>")
    add_dependencies(engine_zkrecog_test zkrecog)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL sorenix_wire_zkrecog_test)
