# Tests of the desktop program: platform pieces and screens on the offscreen Qt platform with a
# scripted machine, and the real program on a virtual X display.
find_package(Qt6 REQUIRED COMPONENTS Test)

add_library(radirav_test_platform STATIC platform/scripted_platform.cpp)
target_include_directories(radirav_test_platform PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(radirav_test_platform PUBLIC radirav_ui GTest::gtest PRIVATE radirav_warnings)

add_executable(radirav_ui_tests
  screens/ui_test_main.cpp
  platform/screen_list_test.cpp
  platform/drawing_surface_test.cpp
  platform/gradient_test.cpp
  platform/fonts_twips_test.cpp
  platform/qt_printer_test.cpp
  platform/background_tasks_test.cpp
  platform/files_test.cpp
  platform/scripted_platform_test.cpp
  platform/modal_watchdog_test.cpp
  platform/controls_test.cpp
  platform/keyboard_layout_test.cpp
  platform/qt_application_test.cpp
  screens/monkey_test.cpp
  screens/form1_title_test.cpp
  screens/results/form11_results_test.cpp
  screens/results/print_report_test.cpp
  screens/results/column_diagram_window_test.cpp
  screens/results/worked_tray_window_test.cpp
  screens/results/comparison_window_test.cpp
  screens/road_test.cpp
  screens/common/equilibrium_drawing_test.cpp
  screens/common/editor_geometry_test.cpp
  screens/equilibrium/form10_points_check_test.cpp
  screens/equilibrium/points_road_test.cpp
  screens/group_entry_test.cpp
  screens/group_correction_test.cpp
  screens/cancelled_correction_test.cpp
  screens/confirmations_test.cpp
  screens/form6_choice_test.cpp
  screens/hostile_answers_test.cpp
  screens/equilibrium/form8_antoine_test.cpp
  screens/antoine_road_test.cpp
  screens/equilibrium/form13_graph_editor_test.cpp
  screens/equilibrium/graph_editor_road_test.cpp
  screens/menu/form15_change_menu_test.cpp
  screens/menu/form16_reentry_choice_test.cpp
  screens/menu/menu_road_test.cpp
  screens/menu/menu_equilibrium_road_test.cpp
  screens/flow/hand_over_test.cpp
  screens/flow/end_question_test.cpp
  screens/flow/kept_input_test.cpp
  screens/flow/calculation_history_road_test.cpp
  screens/menu/form16_way_out_test.cpp
)
set_target_properties(radirav_ui_tests PROPERTIES AUTOMOC ON)
# GoogleTest, QtTest and the widgets, parsed once for all the screen tests.
target_precompile_headers(radirav_ui_tests PRIVATE <gtest/gtest.h> <QTest> <QApplication> <QLabel> <QListWidget>
                          <QPointer> <QWidget> <functional> <string> <vector>)
target_link_libraries(radirav_ui_tests PRIVATE radirav_test_platform Qt6::Test radirav_warnings)
target_compile_definitions(radirav_ui_tests PRIVATE RADIRAV_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
gtest_discover_tests(radirav_ui_tests DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)

# One window on the sample data (the results, or the graph editor), for its screenshot.
add_executable(radirav_window_demo screens/window_demo_main.cpp)
target_link_libraries(radirav_window_demo PRIVATE radirav_ui radirav_warnings)

foreach(smoke IN ITEMS "Title;Введение;radirav-title.png;radirav;"
       "Results;РЕЗУЛЬТАТЫ РАСЧЁТА;radirav-results.png;radirav_window_demo;results"
       "Editor;Коррекция равновесной зависимости;radirav-editor.png;radirav_window_demo;editor")
  list(GET smoke 0 name)
  list(GET smoke 1 title)
  list(GET smoke 2 shot)
  list(GET smoke 3 program)
  list(GET smoke 4 window)
  add_test(NAME RadiravWindowOnVirtualDisplay.${name}
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/screens/window_smoke.sh $<TARGET_FILE:${program}> "${title}"
            ${CMAKE_BINARY_DIR}/${shot} ${window})
  set_tests_properties(RadiravWindowOnVirtualDisplay.${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)
endforeach()

# Space, Enter, Escape and Tab on the real windows never get past a range error; the keyboard
# alone reaches the results.
add_test(NAME RadiravKeyboardOnVirtualDisplay.NoKeyGetsPastARangeError
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/screens/keyboard_road.sh $<TARGET_FILE:radirav> ${CMAKE_BINARY_DIR}/shots)
set_tests_properties(RadiravKeyboardOnVirtualDisplay.NoKeyGetsPastARangeError
  PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 RUN_SERIAL TRUE)

# The title-bar close of every working window asks, and only "Да" ends; --last restores the
# input; the re-entry choice left without a pick recalculates with what the menu shows.
add_test(NAME RadiravCloseOnVirtualDisplay.EveryCloseAsksAndNothingIsLost
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/screens/close_road.sh $<TARGET_FILE:radirav> ${CMAKE_BINARY_DIR}/shots
          ${PROJECT_SOURCE_DIR}/examples/ethanol-water.case)
set_tests_properties(RadiravCloseOnVirtualDisplay.EveryCloseAsksAndNothingIsLost
  PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 RUN_SERIAL TRUE)

# Without any display the program says where the windowless calculator is and fails.
add_test(NAME RadiravWithoutDisplay.PointsToTheBatchCalculator
  COMMAND sh -c "out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$0\" 2>&1); rc=$?; echo \"$out\"; [ $rc -ne 0 ] && echo \"$out\" | grep -q radirav-calc"
          $<TARGET_FILE:radirav>)

# The command line: Russian help naming every option, the project's version, a wrong option refused.
add_test(NAME RadiravCommandLine.HelpNamesTheOptions COMMAND radirav --help)
set_tests_properties(RadiravCommandLine.HelpNamesTheOptions PROPERTIES
  PASS_REGULAR_EXPRESSION "Использование: radirav \\[FILE.case \\| --last\\]\n.*  --last  [^\n]*последних введённых.*  --version "
  ENVIRONMENT "XDG_DATA_HOME=/tmp/radirav-help-test")
add_test(NAME RadiravCommandLine.VersionIsTheProjectVersion COMMAND radirav --version)
set_tests_properties(RadiravCommandLine.VersionIsTheProjectVersion PROPERTIES
  PASS_REGULAR_EXPRESSION "^radirav ${PROJECT_VERSION}\n$")
# Qt's own options are Qt's (-platform here); what is left and unknown is refused. In these two
# the exit status is the point: the sanitizer build's leak report (of the system's libraries)
# would take its place.
add_test(NAME RadiravCommandLine.UnknownOptionExits2
  COMMAND sh -c "out=$(\"$0\" -platform offscreen --bogus 2>&1 >/dev/null); rc=$?; echo \"$out\" | grep -m 1 \"^radirav:\"; echo \"exit $rc\""
          $<TARGET_FILE:radirav>)
set_tests_properties(RadiravCommandLine.UnknownOptionExits2 PROPERTIES
  PASS_REGULAR_EXPRESSION "^radirav: неизвестный параметр\nexit 2\n$" ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
# A kill (SIGTERM) ends the program as its own end does: exit status 0, not death by the signal.
add_test(NAME RadiravCommandLine.SigtermEndsAsTheEndButtonDoes
  COMMAND sh -c "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout --preserve-status -s TERM 6 \"$0\" -platform offscreen >/dev/null 2>&1; echo \"exit $?\""
          $<TARGET_FILE:radirav>)
set_tests_properties(RadiravCommandLine.SigtermEndsAsTheEndButtonDoes PROPERTIES
  PASS_REGULAR_EXPRESSION "^exit 0\n$"
  ENVIRONMENT "XDG_DATA_HOME=/tmp/radirav-sigterm-test;ASAN_OPTIONS=detect_leaks=0")
# The real windows on a virtual X display with openbox and the us and ru keyboard layouts:
# the keyboard layout switched for the names, the windows' frames where designed, the focus
# frame. Keys are pressed through XTest as a student's fingers press them.
find_package(X11)
if(X11_FOUND AND X11_XTest_FOUND)
  add_executable(radirav_display_tests
    screens/display/display_test_main.cpp
    screens/display/display_support.cpp
    screens/display/keyboard_layout_display_test.cpp
    screens/display/window_frames_display_test.cpp
    screens/display/focus_display_test.cpp
    screens/display/worked_tray_display_test.cpp
    screens/display/correction_display_test.cpp
    screens/display/study_display_test.cpp
    screens/display/comparison_display_test.cpp
  )
  target_include_directories(radirav_display_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  # The window tests' GoogleTest and Qt headers, parsed once for both (which asks for the same
  # definitions).
  target_compile_definitions(radirav_display_tests PRIVATE RADIRAV_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
  target_precompile_headers(radirav_display_tests REUSE_FROM radirav_ui_tests)
  target_link_libraries(radirav_display_tests PRIVATE radirav_test_platform Qt6::Test X11::X11 X11::Xtst
                        radirav_warnings)
  add_test(NAME RadiravDisplayTests
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/screens/display/display_tests.sh $<TARGET_FILE:radirav_display_tests>)
  set_tests_properties(RadiravDisplayTests PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 RUN_SERIAL TRUE)
endif()
