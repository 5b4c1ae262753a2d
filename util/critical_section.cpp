#include "util/critical_section.h"

void TCkCriticalSection::CreateAndEnter(std::atomic<TCkCriticalSection*>& cs) {
    auto* made = new TCkCriticalSection;
    TCkCriticalSection* expected = nullptr;
    if (!cs.compare_exchange_strong(expected, made))
        delete made;
    cs.load()->Enter();
}

TCkIntfCriticalSection& TCkIntfCriticalSection::Global() {
    static auto* section = new TCkIntfCriticalSection;
    return *section;
}
