#pragma once
// Critical sections: recursive locks for the threads of this process.

#include <atomic>
#include <mutex>

class TCkCriticalSection {
public:
    void Enter() { FCriticalSection.lock(); }
    void Leave() { FCriticalSection.unlock(); }

    // Makes a section and installs it into cs unless another thread installed one first (then
    // the new one is dropped), and enters the installed section. The caller owns what cs holds.
    static void CreateAndEnter(std::atomic<TCkCriticalSection*>& cs);

private:
    std::recursive_mutex FCriticalSection;
};

// A critical section held for as long as a lock object from Lock() lives.
class TCkIntfCriticalSection {
public:
    class Locked {
    public:
        explicit Locked(TCkIntfCriticalSection& section) : FSection(section) {
            FSection.FCriticalSection.Enter();
        }
        ~Locked() { FSection.FCriticalSection.Leave(); }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;

    private:
        TCkIntfCriticalSection& FSection;
    };

    [[nodiscard]] Locked Lock() { return Locked(*this); }

    // The process-wide section, made on first use and kept to the end of the process, so
    // clean-up code running late can still take it.
    static TCkIntfCriticalSection& Global();

private:
    TCkCriticalSection FCriticalSection;
};
