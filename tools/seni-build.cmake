# seni-build: the transition table builder. Its text handling is a library of its
# own so that the tests can run it on small inputs.
file(GLOB SENI_BUILD_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/seni_build/*.cpp)
find_package(ZLIB REQUIRED)
add_library(seni_build_text STATIC ${SENI_BUILD_SOURCES})
target_include_directories(seni_build_text PUBLIC ${CMAKE_CURRENT_LIST_DIR}/seni_build)
target_link_libraries(seni_build_text PUBLIC seni engine PRIVATE ZLIB::ZLIB)
sorenix_warnings(seni_build_text)

add_executable(seni-build ${CMAKE_CURRENT_LIST_DIR}/seni-build.cpp)
target_link_libraries(seni-build PRIVATE seni_build_text)
sorenix_warnings(seni-build)
