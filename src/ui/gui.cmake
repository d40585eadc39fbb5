target_sources(vitacor_gui PRIVATE
  ui/MainWindow.cpp ui/MainWindow.h ui/MainWindow.ui
  ui/MyListWidget.cpp ui/MyListWidget.h
  ui/TreeModelBuilder.cpp ui/TreeModelBuilder.h
  ui/TreeViewST.cpp ui/TreeViewST.h
)
target_include_directories(vitacor_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/ui)
