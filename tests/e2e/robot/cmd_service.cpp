// Service commands: service-create, service-start, service-stop, service-delete and service-state.
// Scenarios install the port driver, or its test double, as a kernel-driver service and watch it run.
#include "commands.h"
#include "owners.h"
#include "poll.h"
#include "report.h"

namespace {

struct Named {
    const char* name;
    DWORD value;
};

const Named kStartTypes[] = {
    {"system", SERVICE_SYSTEM_START},
    {"demand", SERVICE_DEMAND_START},
};

const Named kStates[] = {
    {"stopped", SERVICE_STOPPED},
    {"start-pending", SERVICE_START_PENDING},
    {"stop-pending", SERVICE_STOP_PENDING},
    {"running", SERVICE_RUNNING},
    {"continue-pending", SERVICE_CONTINUE_PENDING},
    {"pause-pending", SERVICE_PAUSE_PENDING},
    {"paused", SERVICE_PAUSED},
};

bool start_type(const std::string& name, DWORD& type) {
    for (const Named& known : kStartTypes) {
        if (name == known.name) {
            type = known.value;
            return true;
        }
    }
    return false;
}

std::string state_name(DWORD state) {
    for (const Named& known : kStates) {
        if (known.value == state) {
            return known.name;
        }
    }
    return std::to_string(state);
}

struct Failure {
    DWORD error;
    const char* call;
};

// Opens --name with `access`; on failure names the call and its Win32 error.
Failure open_service(const Args& args, DWORD access, ServiceOwner& manager, ServiceOwner& service) {
    manager.reset(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) {
        return {GetLastError(), "OpenSCManager"};
    }
    service.reset(OpenServiceA(manager.get(), args.text("--name").c_str(), access));
    return {service ? ERROR_SUCCESS : GetLastError(), "OpenService"};
}

// A missing service is "false" (exit 1), any other failure a failed call (exit 4).
int open_failed(const Args& args, const Failure& failure) {
    if (failure.error == ERROR_SERVICE_DOES_NOT_EXIST) {
        return report(kFalse, "no service " + args.text("--name"));
    }
    return win32_error_code(failure.call, failure.error);
}

bool query_state(SC_HANDLE service, DWORD& state) {
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(service, &status)) {
        return false;
    }
    state = status.dwCurrentState;
    return true;
}

} // namespace

// A kernel-driver service; --image should be absolute, Wine does not resolve "System32\Drivers\...".
int cmd_service_create(const Args& args) {
    DWORD start = SERVICE_DEMAND_START;
    if (!args.require("--name") || !args.require("--image")) {
        return kUsage;
    }
    if (!start_type(args.text("--start", "demand"), start)) {
        return usage("--start is system or demand");
    }
    ServiceOwner manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE));
    if (!manager) {
        return win32_error("OpenSCManager");
    }
    const std::string name = args.text("--name");
    ServiceOwner service(CreateServiceA(
        manager.get(), name.c_str(), name.c_str(), SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER, start,
        SERVICE_ERROR_NORMAL, args.text("--image").c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
    return service ? kDone : win32_error("CreateService");
}

// Prints 0 when the service started, else the Win32 error (exit 4), so tests can assert the code.
int cmd_service_start(const Args& args) {
    if (!args.require("--name")) {
        return kUsage;
    }
    ServiceOwner manager;
    ServiceOwner service;
    Failure failure = open_service(args, SERVICE_START, manager, service);
    if (failure.error == ERROR_SUCCESS && !StartServiceA(service.get(), 0, nullptr)) {
        failure = {GetLastError(), "StartService"};
    }
    print_line(std::to_string(failure.error));
    return failure.error == ERROR_SUCCESS ? kDone : win32_error_code(failure.call, failure.error);
}

// Asks the service to stop and waits up to --timeout until it has.
int cmd_service_stop(const Args& args) {
    DWORD timeout_ms = 0;
    if (!args.require("--name") || !args.timeout(timeout_ms)) {
        return kUsage;
    }
    ServiceOwner manager;
    ServiceOwner service;
    const Failure failure = open_service(args, SERVICE_STOP | SERVICE_QUERY_STATUS, manager, service);
    if (failure.error != ERROR_SUCCESS) {
        return open_failed(args, failure);
    }
    SERVICE_STATUS status{};
    if (!ControlService(service.get(), SERVICE_CONTROL_STOP, &status)) {
        return win32_error("ControlService");
    }
    bool failed = false;
    const bool stopped = poll_until(timeout_ms, [&] {
        DWORD state = 0;
        failed = !query_state(service.get(), state);
        return failed || state == SERVICE_STOPPED;
    });
    if (failed) {
        return win32_error("QueryServiceStatus");
    }
    return stopped ? kDone : report(kTimedOut, args.text("--name") + " has not stopped");
}

int cmd_service_delete(const Args& args) {
    if (!args.require("--name")) {
        return kUsage;
    }
    ServiceOwner manager;
    ServiceOwner service;
    const Failure failure = open_service(args, DELETE, manager, service);
    if (failure.error != ERROR_SUCCESS) {
        return open_failed(args, failure);
    }
    return DeleteService(service.get()) ? kDone : win32_error("DeleteService");
}

// Prints stopped, start-pending, stop-pending, running, continue-pending, pause-pending or paused.
int cmd_service_state(const Args& args) {
    if (!args.require("--name")) {
        return kUsage;
    }
    ServiceOwner manager;
    ServiceOwner service;
    const Failure failure = open_service(args, SERVICE_QUERY_STATUS, manager, service);
    if (failure.error != ERROR_SUCCESS) {
        return open_failed(args, failure);
    }
    DWORD state = 0;
    if (!query_state(service.get(), state)) {
        return win32_error("QueryServiceStatus");
    }
    print_line(state_name(state));
    return kDone;
}
