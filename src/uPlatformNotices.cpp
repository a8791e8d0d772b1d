// Notices of the platform layer for the run log.
#include "uPlatform.h"
#include "uPlatformInterrupt.h"

namespace plat {
namespace {
TWarningSink gSink = nullptr;
void* gSinkContext = nullptr;
}  // namespace

void SetWarningSink(TWarningSink sink, void* context) {
  if (!sink && context != gSinkContext) return;
  gSink = sink;
  gSinkContext = sink ? context : nullptr;
}

void detail::Warn(const std::string& text) {
  if (gSink) gSink(gSinkContext, text);
}

}  // namespace plat
