// Another process for the named-object tests: reads one command a line from its input and
// answers each with one line.
//   mutex NAME      open the mutex NAME     -> "opened" or the error's message
//   acquire MS      wait up to MS ms        -> the wait result's name
//   release                                 -> "released" or "refused"
//   shm NAME SIZE   open the block NAME     -> "new", "existed" or the error's message
//   read            the block's text        -> the text
//   write TEXT      store TEXT in the block -> "written"
//   pid                                     -> this process's id
//   registry        make the unit-version registry -> this process's id
//   quit            end without closing or releasing anything
#include "platform/win32/last_error.h"
#include "util/errors.h"
#include "util/mutex.h"
#include "util/shared_memory.h"
#include "util/unit_version_registry.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

const char* ResultName(TCkWaitResult result) {
    switch (result) {
    case wrSignaled:
        return "signaled";
    case wrAbandoned:
        return "abandoned";
    case wrTimeout:
        return "timeout";
    default:
        return "error";
    }
}

} // namespace

int main() {
    std::unique_ptr<TCkMutex> mutex;
    void* block = nullptr;
    std::string line;
    while (std::getline(std::cin, line)) {
        const auto space = line.find(' ');
        const std::string command = line.substr(0, space);
        const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
        std::string answer;
        try {
            if (command == "mutex") {
                mutex = std::make_unique<TCkMutex>(
                    TCkMutex::Open(MUTEX_ALL_ACCESS, false, QString::fromStdString(argument)));
                answer = "opened";
            } else if (command == "acquire") {
                answer = ResultName(mutex->WaitFor(DWORD(std::stoul(argument))));
            } else if (command == "release") {
                answer = mutex->Release() ? "released" : "refused";
            } else if (command == "shm") {
                const auto blank = argument.find(' ');
                const DWORD result =
                    SharedMemoryOpen(block, QString::fromStdString(argument.substr(0, blank)),
                                     DWORD(std::stoul(argument.substr(blank + 1))));
                answer = result == ERROR_ALREADY_EXISTS ? "existed" : "new";
            } else if (command == "read") {
                answer = static_cast<const char*>(block);
            } else if (command == "write") {
                std::strcpy(static_cast<char*>(block), argument.c_str());
                answer = "written";
            } else if (command == "pid") {
                answer = std::to_string(::getpid());
            } else if (command == "registry") {
                answer = UnitVersionRegistry() ? std::to_string(::getpid()) : "no registry";
            } else if (command == "quit") {
                std::_Exit(0);
            }
        } catch (const ECkError& e) {
            answer = e.Message().simplified().toStdString(); // one line
        }
        std::cout << answer << std::endl;
    }
    SharedMemoryClose(block);
    return 0;
}
