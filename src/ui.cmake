# The desktop program: Qt Widgets screens on the platform layer, and the executable.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Svg Concurrent)

add_library(radirav_ui STATIC
  platform/background_tasks.cpp
  platform/clipboard.cpp
  platform/clock.cpp
  platform/diagnostics.cpp
  platform/dialogs.cpp
  platform/drawing_surface.cpp
  platform/files.cpp
  platform/fonts.cpp
  platform/gradient.cpp
  platform/keyboard_layout.cpp
  platform/last_input.cpp
  platform/qt_application.cpp
  platform/program_end.cpp
  platform/qt_printer.cpp
  platform/regional_format.cpp
  platform/screen_geometry.cpp
  platform/screen_list.cpp
  platform/screen_window.cpp
  screens/input/form1_title.cpp
  screens/input/form2_general.cpp
  screens/input/form4_rectifying.cpp
  screens/input/form6_stripping.cpp
  screens/input/group_window.cpp
  screens/input/start_case.cpp
  platform/controls.cpp
  screens/flow/screen_flow.cpp
  screens/common/yes_no_window.cpp
  screens/common/equilibrium_drawing.cpp
  screens/common/editor_geometry.cpp
  screens/equilibrium/form10_points_check.cpp
  screens/equilibrium/form12_points_error.cpp
  screens/equilibrium/form13_graph_editor.cpp
  screens/equilibrium/form14_remove_point.cpp
  screens/common/alfa_question.cpp
  screens/common/end_question.cpp
  screens/menu/form15_change_menu.cpp
  screens/menu/form16_reentry_choice.cpp
  screens/results/form11_results.cpp
  screens/results/print_report.cpp
  screens/equilibrium/form8_review.cpp
  screens/equilibrium/form9_antoine_question.cpp
  screens/results/column_diagram_window.cpp
  screens/results/column_diagram_drawing.cpp
  screens/results/diagram_pen.cpp
  screens/results/study_drawing.cpp
  screens/results/worked_tray_window.cpp
  screens/results/comparison_window.cpp
  platform/picture_file.cpp
)
set_target_properties(radirav_ui PROPERTIES AUTOMOC ON)
# The Qt headers nearly every window includes, parsed once for the whole library.
target_precompile_headers(radirav_ui PRIVATE <QWidget> <QLabel> <QPainter> <QPointer> <QKeyEvent> <QString>
                          <optional> <string> <vector>)
# Through the precompiled headers GCC 12 judges the standard library's inlined string copies at
# -O3 as if they were this code, and finds impossible sizes in them (its known false positives);
# a debug build, which inlines nothing, keeps both warnings.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(radirav_ui PRIVATE "$<$<NOT:$<CONFIG:Debug>>:-Wno-array-bounds;-Wno-stringop-overflow>")
endif()
target_include_directories(radirav_ui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(radirav_ui PUBLIC radirav_core Qt6::Widgets Qt6::PrintSupport PRIVATE Qt6::Svg Qt6::Concurrent radirav_warnings)
# On an X display the keyboard layout is switched through XKB (libX11).
find_package(X11)
if(X11_FOUND)
  target_link_libraries(radirav_ui PRIVATE X11::X11)
  set_source_files_properties(platform/keyboard_layout.cpp PROPERTIES COMPILE_DEFINITIONS RADIRAV_HAVE_X11)
endif()

add_executable(radirav app/main.cpp)
target_link_libraries(radirav PRIVATE radirav_ui radirav_warnings)
target_compile_definitions(radirav PRIVATE RADIRAV_VERSION="${PROJECT_VERSION}")
