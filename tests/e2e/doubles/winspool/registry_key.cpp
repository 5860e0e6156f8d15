// Registry access of the spooler double: the test script may rewrite a value between our size query
// and our read, so reads retry instead of trusting the first size.
#include "registry_key.h"

#include <cstring>

namespace {

const int kReadAttempts = 4;

// A writer may leave the terminators off a string value; two cover REG_SZ and REG_MULTI_SZ.
void add_terminators(std::vector<char>& data) {
    data.push_back('\0');
    data.push_back('\0');
}

} // namespace

RegistryKey::RegistryKey(HKEY root, const char* path, Access access) {
    LONG status = ERROR_SUCCESS;
    if (access == Access::ReadWrite) {
        status = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
    } else {
        status = RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key_);
    }
    if (status != ERROR_SUCCESS) {
        key_ = nullptr;
    }
}

RegistryKey::~RegistryKey() {
    if (key_ != nullptr) {
        RegCloseKey(key_);
    }
}

bool RegistryKey::read_raw(const char* name, DWORD wanted_type, std::vector<char>& data) const {
    if (key_ == nullptr) {
        return false;
    }
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return false;
        }
        data.assign(size, '\0');
        const LONG status =
            RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS || type != wanted_type) {
            return false;
        }
        data.resize(size);
        return true;
    }
    return false;
}

bool RegistryKey::read_string(const char* name, std::string& value) const {
    std::vector<char> data;
    if (!read_raw(name, REG_SZ, data)) {
        return false;
    }
    add_terminators(data);
    value.assign(data.data(), strnlen(data.data(), data.size()));
    return true;
}

bool RegistryKey::read_dword(const char* name, DWORD& value) const {
    std::vector<char> data;
    if (!read_raw(name, REG_DWORD, data) || data.size() < sizeof value) {
        return false;
    }
    std::memcpy(&value, data.data(), sizeof value);
    return true;
}

bool RegistryKey::read_strings(const char* name, std::vector<std::string>& values) const {
    std::vector<char> data;
    values.clear();
    if (!read_raw(name, REG_MULTI_SZ, data)) {
        return false;
    }
    add_terminators(data);
    for (size_t start = 0; start < data.size() && data[start] != '\0';) {
        const size_t length = strnlen(data.data() + start, data.size() - start);
        values.emplace_back(data.data() + start, length);
        start += length + 1;
    }
    return true;
}

bool RegistryKey::write_dword(const char* name, DWORD value) const {
    return key_ != nullptr && RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                             sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::write_string(const char* name, const std::string& value) const {
    const auto* bytes = reinterpret_cast<const BYTE*>(value.c_str());
    const DWORD size = static_cast<DWORD>(value.size() + 1);
    return key_ != nullptr && RegSetValueExA(key_, name, 0, REG_SZ, bytes, size) == ERROR_SUCCESS;
}
