// The threading primitives under the script hand-off, so that one hand-off serves the Linux
// stand-in host and the Windows one: MinGW-w64's win32 thread model has no std::thread,
// std::mutex or std::condition_variable. On Linux these are the standard library's own.
#pragma once

#include <cstdint>
#include <mutex>

#ifdef _WIN32
#include <windows.h>
#else
#include <condition_variable>
#include <thread>
#endif

namespace standin {

#ifdef _WIN32
// A slim reader-writer lock taken exclusively: lockable by std::unique_lock as std::mutex is.
struct TurnMutex {
    SRWLOCK srw = SRWLOCK_INIT;
    void lock() { AcquireSRWLockExclusive(&srw); }
    void unlock() { ReleaseSRWLockExclusive(&srw); }
};

// std::condition_variable's wait-with-predicate and notify_all over the lock above.
struct TurnCondition {
    CONDITION_VARIABLE cv = CONDITION_VARIABLE_INIT;
    template <class Predicate> void wait(std::unique_lock<TurnMutex>& lock, Predicate ready) {
        while (!ready()) SleepConditionVariableSRW(&cv, &lock.mutex()->srw, INFINITE, 0);
    }
    void notify_all() { WakeAllConditionVariable(&cv); }
};

using ThreadId = DWORD;
inline ThreadId currentThreadId() { return GetCurrentThreadId(); }

namespace detail {
struct ThreadBody {
    void (*run)(uint32_t);
    uint32_t argument;
};
inline DWORD WINAPI runThreadBody(LPVOID body) {
    const ThreadBody owned = *static_cast<ThreadBody*>(body);
    delete static_cast<ThreadBody*>(body);
    owned.run(owned.argument);
    return 0;
}
} // namespace detail

// Starts `body(argument)` on a new thread that is never joined; returns its id.
inline ThreadId startDetachedThread(void (*body)(uint32_t), uint32_t argument) {
    DWORD id = 0;
    HANDLE thread =
        CreateThread(nullptr, 0, detail::runThreadBody, new detail::ThreadBody{body, argument}, 0, &id);
    if (thread) CloseHandle(thread);
    return id;
}

// Lets another thread run, on one core too.
inline void yieldThread() { SwitchToThread(); }
#else
using TurnMutex = std::mutex;
using TurnCondition = std::condition_variable;
using ThreadId = std::thread::id;
inline ThreadId currentThreadId() { return std::this_thread::get_id(); }

// Starts `body(argument)` on a new thread that is never joined; returns its id.
inline ThreadId startDetachedThread(void (*body)(uint32_t), uint32_t argument) {
    std::thread thread(body, argument);
    const ThreadId id = thread.get_id();
    thread.detach();
    return id;
}

// Lets another thread run, on one core too.
inline void yieldThread() { std::this_thread::yield(); }
#endif

} // namespace standin
