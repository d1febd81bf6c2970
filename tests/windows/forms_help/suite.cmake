# The test program is its own host: the host stand-in's client interface and its "ClientAPI_"
# exports are linked in (undecorated, as the library looks them up in the process's executable).
set(PP_HOST_DIR ${CMAKE_SOURCE_DIR}/tools/host)
target_sources(${suite}_tests PRIVATE ${PP_HOST_DIR}/client.cpp ${PP_HOST_DIR}/exports.cpp
               ${PP_HOST_DIR}/call_log.cpp ${PP_HOST_DIR}/settings.cpp)
target_include_directories(${suite}_tests PRIVATE ${PP_HOST_DIR} ${CMAKE_SOURCE_DIR}/tests/windows/toolkit
                           ${CMAKE_SOURCE_DIR}/tests/windows/hostenv)
target_link_options(${suite}_tests PRIVATE -Wl,--kill-at)
