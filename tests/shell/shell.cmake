orvan_qtest(app_shell_tests orvan_ui ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp)
# The About box and the shell's own pieces (menus, bars, the help placement).
orvan_qtest(AboutBoxTest orvan_ui_shell ${CMAKE_CURRENT_LIST_DIR}/AboutBoxTest.cpp)
orvan_qtest(ShellTest orvan_ui_shell ${CMAKE_CURRENT_LIST_DIR}/ShellTest.cpp)
