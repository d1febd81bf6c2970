target_compile_definitions(${suite}_tests PRIVATE PP_PROJECT_VERSION="${PROJECT_VERSION}")
