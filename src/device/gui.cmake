target_sources(vitacor_gui PRIVATE
  device/DownloadDeviceWidget.cpp device/DownloadDeviceWidget.h device/DownloadDeviceWidget.ui
  device/SyncDlg.cpp device/SyncDlg.h device/SyncDlg.ui
)
target_include_directories(vitacor_gui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/device)
