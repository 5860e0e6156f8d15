# Windows build: the two programs (32-bit, ANSI, static runtime, GUI subsystem, manifests embedded by
# the resource compiler), the test robot, and the kit folder.
enable_language(RC)

add_compile_definitions(WINVER=0x0600 _WIN32_WINNT=0x0600 _WIN32_IE=0x0600 NOMINMAX STRICT)
add_compile_options(-Os -Wall -Wextra -Werror)
set(WIN_LINK_OPTIONS -static -s)
# windres finds our resource.h and the built driver image by these folders.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/monitor/res -I${CMAKE_BINARY_DIR}/driver")

set(FRAMEWORK_SOURCES
    framework/common_controls.cpp
    framework/controls.cpp
    framework/data_exchange.cpp
    framework/dialog.cpp
    framework/win_app.cpp
    framework/wnd.cpp)

# Our thin application and dialog layer, linked into both programs and the test programs.
add_library(framework STATIC ${FRAMEWORK_SOURCES})
target_include_directories(framework PUBLIC "${CMAKE_SOURCE_DIR}")

add_executable(monitor WIN32
    ${CATALOGUE_SOURCES}
    ${MONITOR_LOGIC_SOURCES}
    monitor/app/poller_win32.cpp
    monitor/app/status_cursor_win32.cpp
    monitor/app/status_monitor_app.cpp
    monitor/app/status_monitor_dlg.cpp
    monitor/app/sys_tray.cpp
    monitor/port/parallel_port_win32.cpp
    monitor/port/port_driver_win32.cpp
    monitor/port/registry_win32.cpp
    monitor/port/spooler_win32.cpp
    monitor/port/usb_win32.cpp
    monitor/port/wmi_win32.cpp
    monitor/res/monitor.rc)
target_include_directories(monitor PRIVATE ${CATALOGUE_INCLUDES})
set_target_properties(monitor PROPERTIES OUTPUT_NAME "${MODEL_ID}")
target_link_options(monitor PRIVATE ${WIN_LINK_OPTIONS})
target_link_libraries(monitor PRIVATE framework comctl32 winspool setupapi wbemuuid ole32 oleaut32 uuid shell32
    gdi32 user32)
set_source_files_properties(monitor/res/monitor.rc PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/monitor/res/monitor.manifest;${CMAKE_SOURCE_DIR}/monitor/res/resource.h")

# The port I/O driver, embedded in the monitor as resource BIN 164.
add_subdirectory(driver)
add_dependencies(monitor hwinterface_sys)
set_property(SOURCE monitor/res/monitor.rc APPEND PROPERTY OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/driver/hwinterface.sys")

# The setup program's engine: staging, the please-wait window and the installer.
add_library(setup_engine STATIC
    ${CATALOGUE_SOURCES}
    ${SETUP_LOGIC_SOURCES}
    setup/install/current_model.cpp
    setup/install/driver_directory_win32.cpp
    setup/install/file_copy.cpp
    setup/install/installer_system_win32.cpp)
target_include_directories(setup_engine PUBLIC ${CATALOGUE_INCLUDES})
target_link_libraries(setup_engine PUBLIC framework winspool setupapi shell32 ole32 uuid comctl32 gdi32 user32)

add_executable(setup WIN32
    setup/app/port_enumeration_win32.cpp
    setup/app/port_selection.cpp
    setup/app/printer_connection.cpp
    setup/app/setup_app.cpp
    setup/app/setup_dlg.cpp
    setup/app/startup_facts_win32.cpp
    setup/app/usb_port_lookup_win32.cpp
    setup/res/setup.rc)
set_target_properties(setup PROPERTIES OUTPUT_NAME "Setup")
target_link_options(setup PRIVATE ${WIN_LINK_OPTIONS})
target_link_libraries(setup PRIVATE setup_engine)
set_source_files_properties(setup/res/setup.rc PROPERTIES OBJECT_DEPENDS
    "${CMAKE_SOURCE_DIR}/setup/res/setup.manifest;${CMAKE_SOURCE_DIR}/setup/res/resource.h")

add_subdirectory(tests/e2e/robot)
add_subdirectory(tests/e2e/install_runner)
add_subdirectory(tests/e2e/please_wait_probe)
# Test doubles for end-to-end scenarios; never part of a kit.
add_subdirectory(tests/e2e/doubles/winspool)
add_subdirectory(tests/e2e/doubles/hwinterface)
add_subdirectory(tests/bench/wine)

# The kit folder, as shipped.
add_custom_target(kit ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory "${KIT_DIR}/STM"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "$<TARGET_FILE:monitor>" "${KIT_DIR}/STM/${MODEL_ID}.exe"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "$<TARGET_FILE:setup>" "${KIT_DIR}/Setup.exe"
    DEPENDS monitor setup
    COMMENT "Assembling ${KIT_DIR}")

# The stand-in driver files and the uninstaller every kit carries.
add_subdirectory(kit)
add_dependencies(kit kit_files)
