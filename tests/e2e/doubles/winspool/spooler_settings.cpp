// The registry contract between end-to-end test scripts and the spooler double: value names, types and
// what a missing value means. Counters are read-modify-write, so they are updated under one lock.
#include "spooler_settings.h"

#include "exclusive_lock.h"
#include "registry_key.h"

namespace spooler_settings {

namespace {

const char kKeyPath[] = "Software\\QrvKitTest\\Spooler";
const DWORD kMaxHexDigits = 8;

SRWLOCK counter_lock = SRWLOCK_INIT;

RegistryKey read_key() {
    return RegistryKey(HKEY_CURRENT_USER, kKeyPath, RegistryKey::Access::Read);
}

RegistryKey write_key() {
    return RegistryKey(HKEY_CURRENT_USER, kKeyPath, RegistryKey::Access::ReadWrite);
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Strict on purpose: a typo in a test script should fail loudly, not become status 0.
bool parse_hex_word(const std::string& text, DWORD& word) {
    size_t start = text.compare(0, 2, "0x") == 0 || text.compare(0, 2, "0X") == 0 ? 2 : 0;
    const size_t digits = text.size() - start;
    if (digits == 0 || digits > kMaxHexDigits) {
        return false;
    }
    word = 0;
    for (; start < text.size(); ++start) {
        const int digit = hex_digit(text[start]);
        if (digit < 0) {
            return false;
        }
        word = word * 16 + static_cast<DWORD>(digit);
    }
    return true;
}

void add_to_counter(const char* name) {
    ExclusiveLock hold(counter_lock);
    const RegistryKey key = write_key();
    DWORD count = 0;
    key.read_dword(name, count);
    key.write_dword(name, count + 1);
}

} // namespace

bool printer_name(std::string& name) {
    return read_key().read_string("PrinterName", name);
}

std::string port() {
    std::string value;
    read_key().read_string("Port", value);
    return value;
}

DWORD status() {
    DWORD value = 0;
    read_key().read_dword("Status", value);
    return value;
}

DWORD job_count() {
    std::vector<std::string> entries;
    read_key().read_strings("Jobs", entries);
    return static_cast<DWORD>(entries.size());
}

bool job_words(std::vector<DWORD>& words) {
    std::vector<std::string> entries;
    words.clear();
    read_key().read_strings("Jobs", entries);
    for (const std::string& entry : entries) {
        DWORD word = 0;
        if (!parse_hex_word(entry, word)) {
            return false;
        }
        words.push_back(word);
    }
    return true;
}

std::vector<Port> ports() {
    std::vector<std::string> entries;
    std::vector<Port> listed;
    read_key().read_strings("Ports", entries);
    for (const std::string& entry : entries) {
        const size_t tab = entry.find('\t');
        Port port;
        port.name = entry.substr(0, tab);
        if (tab != std::string::npos) {
            port.description = entry.substr(tab + 1);
        }
        listed.push_back(port);
    }
    return listed;
}

DWORD enum_ports_error() {
    DWORD value = 0;
    read_key().read_dword("EnumPortsError", value);
    return value;
}

bool printer_exists(const std::string& name) {
    std::vector<std::string> entries;
    read_key().read_strings("ExistingPrinters", entries);
    for (const std::string& entry : entries) {
        if (entry == name) {
            return true;
        }
    }
    return false;
}

DWORD add_printer_error() {
    DWORD value = 0;
    read_key().read_dword("AddPrinterError", value);
    return value;
}

void record_printer_name(const char* name) {
    write_key().write_string("LastPrinterName", name != nullptr ? name : "");
}

void record_default_printer(const char* name) {
    write_key().write_string("DefaultPrinter", name != nullptr ? name : "");
}

void record_open_access(DWORD access) {
    write_key().write_dword("LastOpenAccess", access);
}

void record_printer_port(const char* port) {
    write_key().write_string("LastPrinterPort", port != nullptr ? port : "");
}

void count_open() {
    add_to_counter("OpenCount");
}

void count_close() {
    add_to_counter("CloseCount");
}

bool call_refused(const char* function) {
    std::string failing;
    if (read_key().read_string("FailCall", failing) && failing == function) {
        SetLastError(ERROR_ACCESS_DENIED);
        return true;
    }
    return false;
}

} // namespace spooler_settings
