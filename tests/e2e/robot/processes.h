// The running processes as the robot finds programs among them: one walk of the system's snapshot,
// and the exe-name rule the process commands share.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <functional>
#include <string>

// Calls visit for each process until it answers false; false when no snapshot could be taken.
bool for_each_process(const std::function<bool(const PROCESSENTRY32&)>& visit);

// The exe name as given, or without its ".exe" ("setup" finds setup.exe); never the full path.
bool same_exe(const char* running, const std::string& wanted);
