// One open registry key of the spooler double, closed when it goes out of scope, with typed reads that
// treat a missing value or one of the wrong type alike.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RegistryKey {
public:
    enum class Access { Read, ReadWrite };

    // Opens (for ReadWrite, creates) the key; a key that cannot be opened reads as empty.
    RegistryKey(HKEY root, const char* path, Access access);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool read_string(const char* name, std::string& value) const;
    bool read_dword(const char* name, DWORD& value) const;
    // A REG_MULTI_SZ value, one string per entry, up to the first empty one.
    bool read_strings(const char* name, std::vector<std::string>& values) const;
    bool write_dword(const char* name, DWORD value) const;
    bool write_string(const char* name, const std::string& value) const;

private:
    bool read_raw(const char* name, DWORD wanted_type, std::vector<char>& data) const;

    HKEY key_ = nullptr;
};
