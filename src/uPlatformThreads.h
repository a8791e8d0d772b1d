// Private to the platform layer: the two thread calls each system provides,
// under the portable fork-and-join of RunTogether.
#pragma once

namespace plat {
namespace detail {

using TThreadBody = void (*)(void* arg);
// Starts body(arg) on a new thread; null when the system refused one.
void* StartThread(TThreadBody body, void* arg);
// Waits for a thread StartThread gave and releases it.
void JoinThread(void* thread);

}  // namespace detail
}  // namespace plat
