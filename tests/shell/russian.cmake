orvan_qtest(app_russian_tests orvan_ui ${CMAKE_CURRENT_LIST_DIR}/RussianInterfaceTest.cpp)
target_compile_definitions(app_russian_tests PRIVATE
    ORVAN_RUSSIAN_TABLE="${PROJECT_SOURCE_DIR}/resources/translations/orvan_ru.ts")
