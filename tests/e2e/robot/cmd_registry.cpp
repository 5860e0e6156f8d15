// Registry commands: reg-get, reg-set, reg-del and reg-has on "HKLM\..."-style key paths.
// Tests use them to set up and check the configuration the programs under test read and write.
#include "commands.h"
#include "owners.h"
#include "report.h"
#include "strings.h"

#include <cstring>

namespace {

struct TypeName {
    const char* name;
    DWORD type;
};

const TypeName kTypes[] = {
    {"none", REG_NONE},
    {"sz", REG_SZ},
    {"expand_sz", REG_EXPAND_SZ},
    {"binary", REG_BINARY},
    {"dword", REG_DWORD},
    {"dword_be", REG_DWORD_BIG_ENDIAN},
    {"link", REG_LINK},
    {"multi_sz", REG_MULTI_SZ},
    {"resource_list", REG_RESOURCE_LIST},
    {"full_resource_descriptor", REG_FULL_RESOURCE_DESCRIPTOR},
    {"resource_requirements_list", REG_RESOURCE_REQUIREMENTS_LIST},
    {"qword", REG_QWORD},
};

std::string type_name(DWORD type) {
    for (const TypeName& known : kTypes) {
        if (known.type == type) {
            return known.name;
        }
    }
    return std::to_string(type);
}

bool type_from_name(const std::string& name, DWORD& type) {
    for (const TypeName& known : kTypes) {
        if (name == known.name) {
            type = known.type;
            return true;
        }
    }
    return false;
}

bool split_key(const std::string& path, HKEY& root, std::string& subkey) {
    const struct {
        const char* name;
        HKEY key;
    } roots[] = {
        {"HKLM", HKEY_LOCAL_MACHINE},  {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
        {"HKCU", HKEY_CURRENT_USER},   {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {"HKCR", HKEY_CLASSES_ROOT},   {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
        {"HKU", HKEY_USERS},           {"HKEY_USERS", HKEY_USERS},
        {"HKCC", HKEY_CURRENT_CONFIG}, {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    };
    const size_t slash = path.find('\\');
    const std::string head = path.substr(0, slash);
    subkey = slash == std::string::npos ? std::string() : path.substr(slash + 1);
    for (const auto& known : roots) {
        if (lstrcmpiA(head.c_str(), known.name) == 0) {
            root = known.key;
            return true;
        }
    }
    return false;
}

// Opens --key; reports a usage error for a bad root, kFalse for a missing key.
int open_key(const Args& args, REGSAM access, KeyOwner& key) {
    HKEY root = nullptr;
    std::string subkey;
    if (!args.require("--key")) {
        return kUsage;
    }
    if (!split_key(args.text("--key"), root, subkey)) {
        return usage("--key must start with HKLM, HKCU, HKCR, HKU or HKCC");
    }
    const LONG status = RegOpenKeyExA(root, subkey.c_str(), 0, access, key.out());
    if (status == ERROR_FILE_NOT_FOUND) {
        return report(kFalse, "no key " + args.text("--key"));
    }
    return status == ERROR_SUCCESS ? kDone : win32_error_code("RegOpenKeyEx", status);
}

void print_strings(const char* data, size_t size) {
    for (size_t start = 0; start < size && data[start] != '\0';) {
        const size_t length = strnlen(data + start, size - start);
        print_line(std::string(data + start, length));
        start += length + 1;
    }
}

void print_value(DWORD type, const std::vector<unsigned char>& data) {
    const char* text = reinterpret_cast<const char*>(data.data());
    print_line(type_name(type));
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_LINK) {
        print_line(std::string(text, strnlen(text, data.size())));
    } else if (type == REG_MULTI_SZ) {
        print_strings(text, data.size());
    } else if (type == REG_DWORD && data.size() >= sizeof(DWORD)) {
        DWORD value = 0;
        std::memcpy(&value, data.data(), sizeof value);
        print_line(std::to_string(value));
    } else if (type == REG_QWORD && data.size() >= sizeof(ULONGLONG)) {
        ULONGLONG value = 0;
        std::memcpy(&value, data.data(), sizeof value);
        print_line(std::to_string(value));
    } else {
        print_line(hex_bytes(data.data(), data.size()));
    }
}

template <typename T> std::vector<unsigned char> bytes_of(const T& value) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    return std::vector<unsigned char>(bytes, bytes + sizeof value);
}

// Turns --data into the value's bytes; multi_sz items are separated by '|'.
bool encode_value(DWORD type, const std::string& data, std::vector<unsigned char>& bytes) {
    long long number = 0;
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        bytes.assign(data.begin(), data.end());
        bytes.push_back(0);
        return true;
    case REG_MULTI_SZ:
        for (const std::string& item : split(data, '|')) {
            bytes.insert(bytes.end(), item.begin(), item.end());
            bytes.push_back(0);
        }
        bytes.push_back(0);
        return true;
    case REG_DWORD:
        if (!parse_number(data, number) || number < -0x80000000LL || number > 0xFFFFFFFFLL) {
            return false;
        }
        bytes = bytes_of(static_cast<DWORD>(number));
        return true;
    case REG_QWORD:
        if (!parse_number(data, number)) {
            return false;
        }
        bytes = bytes_of(static_cast<ULONGLONG>(number));
        return true;
    default:
        return parse_hex_bytes(data, bytes);
    }
}

int create_key(const std::string& path, KeyOwner& key) {
    HKEY root = nullptr;
    std::string subkey;
    if (!split_key(path, root, subkey)) {
        return usage("--key must start with HKLM, HKCU, HKCR, HKU or HKCC");
    }
    const LONG status = RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_SET_VALUE, nullptr, key.out(), nullptr);
    return status == ERROR_SUCCESS ? kDone : win32_error_code("RegCreateKeyEx", status);
}

int delete_value(const Args& args) {
    KeyOwner key;
    if (int code = open_key(args, KEY_SET_VALUE, key)) {
        return code;
    }
    const LONG status = RegDeleteValueA(key.get(), args.text("--value").c_str());
    if (status == ERROR_FILE_NOT_FOUND) {
        return report(kFalse, "no value " + args.text("--value"));
    }
    return status == ERROR_SUCCESS ? kDone : win32_error_code("RegDeleteValue", status);
}

int delete_key(const Args& args) {
    HKEY root = nullptr;
    std::string subkey;
    if (!args.require("--key")) {
        return kUsage;
    }
    if (!split_key(args.text("--key"), root, subkey) || subkey.empty()) {
        return usage("--key must be a key below HKLM, HKCU, HKCR, HKU or HKCC");
    }
    const LONG status = RegDeleteTreeA(root, subkey.c_str());
    if (status == ERROR_FILE_NOT_FOUND) {
        return report(kFalse, "no key " + args.text("--key"));
    }
    return status == ERROR_SUCCESS ? kDone : win32_error_code("RegDeleteTree", status);
}

} // namespace

// Prints the type name, then the data: text, decimal, one string per line, or hex bytes.
int cmd_reg_get(const Args& args) {
    KeyOwner key;
    if (!args.require("--value")) {
        return kUsage;
    }
    if (int code = open_key(args, KEY_QUERY_VALUE, key)) {
        return code;
    }
    const std::string name = args.text("--value");
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<unsigned char> data(size + 2, 0);
    if (status == ERROR_SUCCESS) {
        status = RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, data.data(), &size);
    }
    if (status == ERROR_FILE_NOT_FOUND) {
        return report(kFalse, "no value " + name);
    }
    if (status != ERROR_SUCCESS) {
        return win32_error_code("RegQueryValueEx", status);
    }
    data.resize(size);
    print_value(type, data);
    return kDone;
}

// Creates the key if needed; --type sz|expand_sz|dword|qword|multi_sz|binary|resource_list|...
int cmd_reg_set(const Args& args) {
    DWORD type = REG_SZ;
    std::vector<unsigned char> bytes;
    if (!args.require("--key") || !args.require("--value") || !args.require("--data")) {
        return kUsage;
    }
    if (!type_from_name(args.text("--type", "sz"), type)) {
        return usage("unknown --type " + args.text("--type"));
    }
    if (!encode_value(type, args.text("--data"), bytes)) {
        return usage("--data does not fit --type " + args.text("--type", "sz"));
    }
    KeyOwner key;
    if (int code = create_key(args.text("--key"), key)) {
        return code;
    }
    const LONG status = RegSetValueExA(key.get(), args.text("--value").c_str(), 0, type, bytes.data(),
                                       static_cast<DWORD>(bytes.size()));
    return status == ERROR_SUCCESS ? kDone : win32_error_code("RegSetValueEx", status);
}

// With --value deletes that value; without, the key and everything under it.
int cmd_reg_del(const Args& args) {
    return args.has("--value") ? delete_value(args) : delete_key(args);
}

// Exit 0 when the key (and --value, if given) exists, 1 when not.
int cmd_reg_has(const Args& args) {
    KeyOwner key;
    if (int code = open_key(args, KEY_QUERY_VALUE, key)) {
        return code;
    }
    if (!args.has("--value")) {
        return kDone;
    }
    const LONG status =
        RegQueryValueExA(key.get(), args.text("--value").c_str(), nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_FILE_NOT_FOUND) {
        return kFalse;
    }
    return status == ERROR_SUCCESS ? kDone : win32_error_code("RegQueryValueEx", status);
}
