#include "app/first_copy.h"

namespace corvane {
namespace {

constexpr int kLooks = 20;
constexpr unsigned kLookInterval = 250;

} // namespace

bool RunAsFirstCopy(FirstCopyApi& api) {
    if (api.ClaimName())
        return true;
    for (int look = 1; look <= kLooks && !api.ShowRunningCopy(); ++look)
        if (look < kLooks)
            api.Wait(kLookInterval);
    return false;
}

} // namespace corvane
