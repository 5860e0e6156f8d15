// Keyboard and mouse input as a user would give it, for commands that must go through real input paths.
// Posted key messages reach a modal loop's IsDialogMessage; SendInput goes to the foreground window.
#pragma once

#include <windows.h>

#include <string>

// ESCAPE, RETURN, TAB, DOWN, UP, SPACE, ... or a number.
bool virtual_key(const std::string& name, WORD& vk);
// WM_KEYDOWN then WM_KEYUP into the queue of the target's thread.
bool post_key(HWND target, WORD vk);
// A key press through the system input queue; it goes to whatever has the focus.
bool type_key(WORD vk);
// Makes the window's top-level window the foreground window, waiting briefly for it to happen.
bool bring_to_front(HWND window);
// A left click at a screen position.
bool click_at(POINT screen);
// The control with the keyboard focus in the window's thread, or nullptr.
HWND focused_control(HWND window);
