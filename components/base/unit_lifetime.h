#pragma once
// Start-up and shut-down of a library unit. Each unit keeps a counter that every start-up call
// lowers and every shut-down call raises; the unit's real work runs only on the first start-up
// (counter now -1) and the last shut-down (counter back at 0), however often the calls are
// repeated by code that links the unit more than once.

#include <functional>

class UnitLifetime {
public:
    // Runs work when this is the first start-up. Returns whether it ran.
    bool Initialize(const std::function<void()>& work = {});
    // Runs work when this is the last shut-down. Returns whether it ran.
    bool Finalize(const std::function<void()>& work = {});

    int Counter() const { return counter; }

private:
    int counter = 0;
};
