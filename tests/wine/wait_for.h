#pragma once
// The Wine tests' waits: each bounded, so that what never comes fails the check that awaited it.
#include <windows.h>

#include <gtest/gtest.h>

namespace corvane::win32 {

// Whether condition() comes true within boundMs, asked as messages arrive and every 50 ms.
template <typename Condition>
::testing::AssertionResult WaitFor(const char* what, const Condition& condition,
                                   DWORD boundMs = 20000) {
    for (const ULONGLONG end = GetTickCount64() + boundMs; !condition();)
        if (GetTickCount64() > end)
            return ::testing::AssertionFailure() << "waited " << boundMs << " ms for " << what;
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    return ::testing::AssertionSuccess();
}

} // namespace corvane::win32
