target_include_directories(${suite}_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/windows/toolkit)
